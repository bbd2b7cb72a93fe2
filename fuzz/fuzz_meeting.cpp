// Arbitrary bytes as a meeting file (input starting "PK") or as its meeting.json (any other
// input, since a zip's checksums keep mutated JSON from ever being read): the reader refuses
// them with a reason or gives a meeting, and whatever it gives, the writer writes a file that
// reads back as the same meeting.
#include "fuzzsupport.h"

#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>

#include "meeting/meetingjson.h"
#include "meeting/meetingreader.h"
#include "meeting/meetingwriter.h"

using namespace delvora;

namespace {

MeetingDocument rewritten(const MeetingDocument &meeting) {
    QString reason;
    const QByteArray bytes = meetingBytes(meeting, reason);
    FUZZ_CHECK(!bytes.isEmpty(), reason);
    std::optional<MeetingDocument> back = parseMeeting(bytes, reason);
    FUZZ_CHECK(back.has_value(), QStringLiteral("a written meeting is refused: ") + reason);
    return std::move(*back);
}

bool same(const MeetingDocument &a, const MeetingDocument &b) {
    return a.entries == b.entries && a.listFile == b.listFile && a.layout == b.layout &&
           a.plateSize == b.plateSize && a.backgroundJpeg == b.backgroundJpeg &&
           a.backgroundPicture == b.backgroundPicture && a.roomPlan == b.roomPlan;
}

// Qt reads a family text as a list (split at commas, blanks and quotes around names dropped):
// such a family, which no real face has, comes back as the first name of the list.
bool plainFamilies(const PlateLayout &layout) {
    for (const RowStyle &row : layout.rows) {
        const QString family = row.font.families().join(u',');
        if (family != family.trimmed() || family.contains(u',') || family.contains(u'"') ||
            family.contains(u'\''))
            return false;
    }
    return true;
}

// The JSON reader alone; a picture it asks for is left out.
std::optional<MeetingDocument> fromJson(const QByteArray &bytes, QString &reason) {
    const QJsonDocument json = QJsonDocument::fromJson(bytes);
    if (!json.isObject())
        return {};
    MeetingDocument meeting;
    bool picture = false;
    reason = meetingFromJson(json.object(), meeting, picture);
    FUZZ_CHECK(reason.isEmpty() || meeting.entries.isEmpty(), QStringLiteral("half read"));
    if (!reason.isEmpty())
        return {};
    return meeting;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    fuzz::startApplication<QGuiApplication>();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    QString reason;
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const bool file = bytes.startsWith("PK");
    const std::optional<MeetingDocument> meeting =
        file ? parseMeeting(bytes, reason) : fromJson(bytes, reason);
    if (!meeting) {
        FUZZ_CHECK(!file || !reason.isEmpty(), QStringLiteral("refused without a reason"));
        return 0;
    }
    FUZZ_CHECK(reason.isEmpty(), reason);
    FUZZ_CHECK(meeting->plateSize == QSize(1024, 600) || meeting->plateSize == QSize(800, 480),
               QStringLiteral("plate size"));
    // Texts may hold what JSON carries but UTF-8 cannot (a lone surrogate): from the first
    // rewrite on, the meeting stays exactly the same.
    const MeetingDocument once = rewritten(*meeting);
    FUZZ_CHECK((once.layout == meeting->layout || !plainFamilies(meeting->layout)) &&
                   once.plateSize == meeting->plateSize &&
                   once.backgroundJpeg == meeting->backgroundJpeg &&
                   once.entries.size() == meeting->entries.size(),
               QStringLiteral("the rewritten meeting differs"));
    FUZZ_CHECK(same(rewritten(once), once), QStringLiteral("a second rewrite differs"));
    return 0;
}
