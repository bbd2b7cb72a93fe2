#include "meeting/meetingjson.h"

#include <QJsonArray>
#include <cmath>
#include <limits>
#include <optional>

#include "layout/logfont.h"
#include "meeting/meetingtexts.h"
#include "namelist/plateid.h"

namespace delvora {

using namespace Qt::StringLiterals;

namespace {

QString part() {
    return QString::fromUtf16(kMeetingJson);
}

// JSON numbers are doubles; an integer member must hold a whole one.
bool isWhole(const QJsonValue &v) {
    const double d = v.toDouble();
    return v.isDouble() && std::isfinite(d) && std::floor(d) == d;
}

QJsonObject colorToJson(const QColor &c) {
    return {{u"red"_s, c.red()}, {u"green"_s, c.green()}, {u"blue"_s, c.blue()}};
}

QJsonObject fontToJson(const QFont &font) {
    const LogFont lf = qFontToLogFont(font);
    QJsonObject json{{u"family"_s, lf.faceName()},
                     {u"pixelSize"_s, -qint64(lf.height)},
                     {u"weight"_s, lf.weight},
                     {u"italic"_s, lf.italic != 0},
                     {u"underline"_s, lf.underline != 0},
                     {u"strikeOut"_s, lf.strikeOut != 0},
                     {u"width"_s, lf.width},
                     {u"escapement"_s, lf.escapement},
                     {u"orientation"_s, lf.orientation},
                     {u"charSet"_s, lf.charSet},
                     {u"outPrecision"_s, lf.outPrecision},
                     {u"clipPrecision"_s, lf.clipPrecision},
                     {u"quality"_s, lf.quality},
                     {u"pitchAndFamily"_s, lf.pitchAndFamily}};
    // A font file's record with a width asks for glyphs of another width; the record the font
    // converts back to has none, so the width is kept as the font has it.
    if (font.stretch() != QFont::AnyStretch)
        json.insert(u"stretch"_s, font.stretch());
    return json;
}

QJsonObject rowToJson(const RowStyle &row) {
    return {{u"font"_s, fontToJson(row.font)},   {u"color"_s, colorToJson(row.color)},
            {u"alignH"_s, row.alignH},           {u"alignV"_s, row.alignV},
            {u"indentLeft"_s, row.indentLeft},   {u"indentTop"_s, row.indentTop},
            {u"indentRight"_s, row.indentRight}, {u"indentBottom"_s, row.indentBottom},
            {u"autoFit"_s, row.autoFit}};
}

QJsonObject entryToJson(const NameRecord &entry) {
    return {{u"id"_s, entry.id},
            {u"organisation"_s, entry.organisation},
            {u"name"_s, entry.name},
            {u"title"_s, entry.title}};
}

// Reads the members of one JSON object, each by its path for the messages; the first fault
// is kept and every later read is skipped.
class Reader {
public:
    QString fault;

    bool ok() const { return fault.isEmpty(); }

    std::optional<QJsonValue> member(const QJsonObject &object, const QString &path,
                                     const QString &key, bool required = true) {
        if (!ok())
            return {};
        const auto it = object.constFind(key);
        if (it == object.constEnd() || it->isUndefined()) {
            if (required)
                fault = texts::jsonMissing(part(), join(path, key));
            return {};
        }
        return *it;
    }

    // An integer within [low, high]; `fallback` when an optional member is missing.
    int integer(const QJsonObject &object, const QString &path, const QString &key, qint64 low,
                qint64 high, std::optional<int> fallback = {}) {
        const std::optional<QJsonValue> v = member(object, path, key, !fallback);
        if (!v)
            return fallback.value_or(0);
        if (!isWhole(*v))
            return wrongType(join(path, key)), 0;
        const double d = v->toDouble();
        if (d < double(low) || d > double(high))
            return outOfRange(join(path, key)), 0;
        return int(d);
    }

    bool boolean(const QJsonObject &object, const QString &path, const QString &key,
                 std::optional<bool> fallback = {}) {
        const std::optional<QJsonValue> v = member(object, path, key, !fallback);
        if (!v)
            return fallback.value_or(false);
        if (!v->isBool())
            return wrongType(join(path, key)), false;
        return v->toBool();
    }

    QString string(const QJsonObject &object, const QString &path, const QString &key,
                   bool required = true) {
        const std::optional<QJsonValue> v = member(object, path, key, required);
        if (!v)
            return {};
        if (!v->isString())
            return wrongType(join(path, key)), QString();
        return v->toString();
    }

    QJsonObject object(const QJsonObject &parent, const QString &path, const QString &key,
                       bool required = true) {
        const std::optional<QJsonValue> v = member(parent, path, key, required);
        if (!v)
            return {};
        if (!v->isObject())
            return wrongType(join(path, key)), QJsonObject();
        return v->toObject();
    }

    QJsonArray array(const QJsonObject &parent, const QString &path, const QString &key) {
        const std::optional<QJsonValue> v = member(parent, path, key);
        if (!v)
            return {};
        if (!v->isArray())
            return wrongType(join(path, key)), QJsonArray();
        return v->toArray();
    }

    // An element of an array that must be an object.
    QJsonObject element(const QJsonValue &value, const QString &path) {
        if (ok() && !value.isObject())
            wrongType(path);
        return value.toObject();
    }

    void wrongType(const QString &path) {
        if (ok())
            fault = texts::jsonWrongType(part(), path);
    }
    void outOfRange(const QString &path) {
        if (ok())
            fault = texts::jsonOutOfRange(part(), path);
    }

    static QString join(const QString &path, const QString &key) {
        return path.isEmpty() ? key : path + u'.' + key;
    }
    static QString at(const QString &path, qsizetype index) {
        return path + u'[' + QString::number(index) + u']';
    }
};

constexpr qint64 kIntMin = std::numeric_limits<int32_t>::min();
constexpr qint64 kIntMax = std::numeric_limits<int32_t>::max();

QColor colorFromJson(Reader &r, const QJsonObject &parent, const QString &path) {
    const QJsonObject c = r.object(parent, path, u"color"_s);
    const QString at = Reader::join(path, u"color"_s);
    const int red = r.integer(c, at, u"red"_s, 0, 255);
    const int green = r.integer(c, at, u"green"_s, 0, 255);
    const int blue = r.integer(c, at, u"blue"_s, 0, 255);
    return QColor(red, green, blue);
}

QFont fontFromJson(Reader &r, const QJsonObject &parent, const QString &path) {
    const QJsonObject f = r.object(parent, path, u"font"_s);
    const QString at = Reader::join(path, u"font"_s);
    LogFont lf;
    const QString family = r.string(f, at, u"family"_s);
    if (family.size() >= qsizetype(lf.face.size()))
        r.outOfRange(Reader::join(at, u"family"_s));
    lf.setFaceName(family);
    lf.height = -r.integer(f, at, u"pixelSize"_s, 1, kMaxFontPixels);
    lf.weight = r.integer(f, at, u"weight"_s, 0, 1000, 400);
    lf.italic = r.boolean(f, at, u"italic"_s, false);
    lf.underline = r.boolean(f, at, u"underline"_s, false);
    lf.strikeOut = r.boolean(f, at, u"strikeOut"_s, false);
    lf.width = r.integer(f, at, u"width"_s, 0, kMaxFontPixels, 0);
    lf.escapement = r.integer(f, at, u"escapement"_s, -3600, 3600, 0);
    lf.orientation = r.integer(f, at, u"orientation"_s, -3600, 3600, 0);
    lf.charSet = uint8_t(r.integer(f, at, u"charSet"_s, 0, 255, 0));
    lf.outPrecision = uint8_t(r.integer(f, at, u"outPrecision"_s, 0, 255, 0));
    lf.clipPrecision = uint8_t(r.integer(f, at, u"clipPrecision"_s, 0, 255, 0));
    lf.quality = uint8_t(r.integer(f, at, u"quality"_s, 0, 255, 0));
    lf.pitchAndFamily = uint8_t(r.integer(f, at, u"pitchAndFamily"_s, 0, 255, 0));
    const int stretch = r.integer(f, at, u"stretch"_s, 1, 4000, 0);
    if (!r.ok())
        return {};
    // The same conversion as a font file's record, so a family missing here is substituted
    // as it is at start-up.
    QFont font = logFontToQFont(lf);
    if (stretch != 0)
        font.setStretch(stretch);
    return font;
}

RowStyle rowFromJson(Reader &r, const QJsonValue &value, const QString &path) {
    const QJsonObject o = r.element(value, path);
    RowStyle row;
    row.font = fontFromJson(r, o, path);
    row.color = colorFromJson(r, o, path);
    // Alignments and indents are taken as the layout file takes them: values beyond the
    // controls' choices are drawn as the renderer draws them.
    row.alignH = r.integer(o, path, u"alignH"_s, kIntMin, kIntMax);
    row.alignV = r.integer(o, path, u"alignV"_s, kIntMin, kIntMax);
    row.indentLeft = r.integer(o, path, u"indentLeft"_s, kIntMin, kIntMax);
    row.indentTop = r.integer(o, path, u"indentTop"_s, kIntMin, kIntMax);
    row.indentRight = r.integer(o, path, u"indentRight"_s, kIntMin, kIntMax);
    row.indentBottom = r.integer(o, path, u"indentBottom"_s, kIntMin, kIntMax);
    row.autoFit = r.boolean(o, path, u"autoFit"_s);
    return row;
}

// A plate ID as the list holds it: empty, or the "%d" text of a 32-bit integer (which the
// list marks when it lies outside 0-9999).
QString idFromJson(Reader &r, const QJsonObject &o, const QString &path) {
    const std::optional<QJsonValue> v = r.member(o, path, u"id"_s);
    if (!v)
        return {};
    const QString at = Reader::join(path, u"id"_s);
    if (v->isDouble()) {
        if (!isWhole(*v))
            return r.wrongType(at), QString();
        const double d = v->toDouble();
        if (d < double(kIntMin) || d > double(kIntMax))
            return r.outOfRange(at), QString();
        return QString::number(qint64(d));
    }
    if (!v->isString())
        return r.wrongType(at), QString();
    const QString id = v->toString();
    if (!id.isEmpty() && plateIdText(id) != id)
        r.outOfRange(at);
    return id;
}

QList<NameRecord> entriesFromJson(Reader &r, const QJsonObject &json) {
    const QJsonArray array = r.array(json, {}, u"entries"_s);
    QList<NameRecord> entries;
    entries.reserve(array.size());
    for (qsizetype i = 0; i < array.size() && r.ok(); ++i) {
        const QString path = Reader::at(u"entries"_s, i);
        const QJsonObject o = r.element(array.at(i), path);
        NameRecord entry;
        entry.seq = int(i + 1);
        entry.id = idFromJson(r, o, path);
        entry.organisation = r.string(o, path, u"organisation"_s);
        entry.name = r.string(o, path, u"name"_s);
        entry.title = r.string(o, path, u"title"_s);
        entries.append(std::move(entry));
    }
    return entries;
}

} // namespace

QJsonObject meetingToJson(const MeetingDocument &meeting) {
    QJsonArray rows;
    for (const RowStyle &row : meeting.layout.rows)
        rows.append(rowToJson(row));
    QJsonArray entries;
    for (const NameRecord &entry : meeting.entries)
        entries.append(entryToJson(entry));
    QJsonObject json{
        {u"format"_s, MeetingDocument::kFormat},
        {u"plate"_s, QJsonObject{{u"width"_s, meeting.plateSize.width()},
                                 {u"height"_s, meeting.plateSize.height()}}},
        {u"background"_s, QJsonObject{{u"color"_s, colorToJson(meeting.layout.backColor)},
                                      {u"picture"_s, meeting.hasPicture()}}},
        {u"layout"_s, QJsonObject{{u"rows"_s, rows}}},
        {u"listFile"_s, meeting.listFile},
        {u"entries"_s, entries},
    };
    if (!meeting.roomPlan.isEmpty())
        json.insert(u"roomPlan"_s, meeting.roomPlan);
    return json;
}

QString meetingFromJson(const QJsonObject &json, MeetingDocument &meeting, bool &picture) {
    Reader r;
    // The format number first: a newer file is refused before anything else is judged.
    const std::optional<QJsonValue> format = r.member(json, {}, u"format"_s);
    if (!format)
        return r.fault;
    if (!isWhole(*format))
        return texts::jsonWrongType(part(), u"format"_s);
    const double number = format->toDouble();
    if (number > MeetingDocument::kFormat)
        return texts::newerMeetingFormat();
    if (number < 1)
        return texts::jsonOutOfRange(part(), u"format"_s);

    MeetingDocument out;
    const QJsonObject plate = r.object(json, {}, u"plate"_s);
    const int width = r.integer(plate, u"plate"_s, u"width"_s, 1, kIntMax);
    const int height = r.integer(plate, u"plate"_s, u"height"_s, 1, kIntMax);
    // The two plate sizes there are.
    if (r.ok() && !(width == 1024 && height == 600) && !(width == 800 && height == 480))
        r.outOfRange(u"plate"_s);
    out.plateSize = QSize(width, height);

    const QJsonObject background = r.object(json, {}, u"background"_s);
    out.layout.backColor = colorFromJson(r, background, u"background"_s);
    const bool withPicture = r.boolean(background, u"background"_s, u"picture"_s, false);

    const QJsonObject layout = r.object(json, {}, u"layout"_s);
    const QJsonArray rows = r.array(layout, u"layout"_s, u"rows"_s);
    if (r.ok() && rows.size() != PlateLayout::kRows)
        r.outOfRange(u"layout.rows"_s);
    for (int i = 0; i < PlateLayout::kRows && r.ok(); ++i)
        out.layout.rows[size_t(i)] = rowFromJson(r, rows.at(i), Reader::at(u"layout.rows"_s, i));

    out.listFile = r.string(json, {}, u"listFile"_s, false);
    out.entries = entriesFromJson(r, json);
    out.roomPlan = r.object(json, {}, u"roomPlan"_s, false);
    if (!r.ok())
        return r.fault;
    meeting = std::move(out);
    picture = withPicture;
    return {};
}

} // namespace delvora
