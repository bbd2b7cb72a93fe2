// Arbitrary bytes as "Settings.ini": every key the layout reads must read as a plain second
// reader of the format says, and a write of one key group must read back as written while
// every other line and every other value stays as it was.
#include "fuzzsupport.h"
#include "referenceint.h"

#include "layout/profile.h"

#include <QList>
#include <QMap>
#include <QPair>
#include <QStringList>
#include <algorithm>
#include <optional>

using namespace delvora;
using delvora::fuzz::fail;

namespace {

QString iniPath;

struct Group {
    QString section;
    QStringList keys;
};

// The key groups the layout writes together; reading covers all of their keys.
const QList<Group> &groups() {
    static const QList<Group> all = [] {
        QList<Group> g;
        for (int row = 0; row < 3; ++row) {
            const QString s = QStringLiteral("Row%1").arg(row);
            g.append({s,
                      {QStringLiteral("color_r"), QStringLiteral("color_g"),
                       QStringLiteral("color_b")}});
            g.append({s, {QStringLiteral("align_h"), QStringLiteral("align_v")}});
            g.append({s,
                      {QStringLiteral("indent_l"), QStringLiteral("indent_t"),
                       QStringLiteral("indent_r"), QStringLiteral("indent_b")}});
        }
        g.append({QStringLiteral("BackColor"),
                  {QStringLiteral("backColor_r"), QStringLiteral("backColor_g"),
                   QStringLiteral("backColor_b")}});
        g.append({QStringLiteral("Resolution"), {QStringLiteral("H"), QStringLiteral("V")}});
        return g;
    }();
    return all;
}

// --- A second reader of the format, kept simple on purpose ---

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

QByteArray trim(const QByteArray &b) {
    qsizetype from = 0, to = b.size();
    while (from < to && isBlank(b[from]))
        ++from;
    while (to > from && isBlank(b[to - 1]))
        --to;
    return b.mid(from, to - from);
}

bool sameName(const QByteArray &bytes, const QString &name) {
    return QString::fromUtf8(bytes).compare(name, Qt::CaseInsensitive) == 0;
}

std::optional<QByteArray> sectionName(const QByteArray &line) {
    const QByteArray t = trim(line);
    if (!t.startsWith('['))
        return std::nullopt;
    const qsizetype close = t.indexOf(']');
    return trim(close < 0 ? t.mid(1) : t.mid(1, close - 1));
}

bool isKeyLine(const QByteArray &line, const QString &key) {
    const qsizetype eq = line.indexOf('=');
    return eq >= 0 && !sectionName(line) && sameName(trim(line.left(eq)), key);
}

std::optional<QString> referenceLookup(const QList<QByteArray> &lines, const QString &section,
                                       const QString &key) {
    bool inside = false;
    for (const QByteArray &line : lines) {
        if (const auto name = sectionName(line)) {
            inside = sameName(*name, section);
            continue;
        }
        if (!inside || !isKeyLine(line, key))
            continue;
        QByteArray v = trim(line.mid(line.indexOf('=') + 1));
        if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
            v = v.mid(1, v.size() - 2);
        return QString::fromUtf8(v);
    }
    return std::nullopt;
}

bool hasSection(const QByteArray &file, const QString &section) {
    for (const QByteArray &line : file.split('\n'))
        if (const auto name = sectionName(line); name && sameName(*name, section))
            return true;
    return false;
}

QString where(const Group &g, const QString &key) {
    return QStringLiteral("[%1] %2").arg(g.section, key);
}

// Every value as read, by "[section] key".
using Values = QMap<QString, QString>;

// Reads every key; the integer reading is checked on the keys of one group, which keeps the
// target fast while each input draws another group.
Values checkReads(const QByteArray &file, const Group &intGroup) {
    const QList<QByteArray> lines = file.split('\n');
    Values values;
    for (const Group &g : groups()) {
        for (const QString &key : g.keys) {
            const QString got = Profile::readString(iniPath, g.section, key);
            values.insert(where(g, key), got);
            const std::optional<QString> want = referenceLookup(lines, g.section, key);
            FUZZ_CHECK(got.isNull() == !want.has_value(), where(g, key));
            FUZZ_CHECK(!want || got == *want, where(g, key) + QStringLiteral(" read ") + got);
            if (&g != &intGroup)
                continue;
            const int def = -777;
            const int expected = !want || want->isEmpty() ? def : fuzz::referenceInt(*want);
            FUZZ_CHECK(Profile::readInt(iniPath, g.section, key, def) == expected,
                       where(g, key) + QStringLiteral(" value ") + got);
        }
    }
    return values;
}

// --- The write ---

struct Line {
    QByteArray text; // up to '\n', a '\r' before it included
    bool ended;
};

QList<Line> lines(const QByteArray &file) {
    QList<Line> out;
    const QList<QByteArray> parts = file.split('\n');
    for (qsizetype i = 0; i < parts.size(); ++i)
        if (i + 1 < parts.size() || !parts[i].isEmpty())
            out.append({parts[i], i + 1 < parts.size()});
    return out;
}

QByteArray withoutCr(const QByteArray &t) {
    return t.endsWith('\r') ? t.chopped(1) : t;
}

// The new file must be the old one with lines of the group's keys changed in place, new key
// lines (and the section's header when it was missing) inserted, and a line end added to a last
// line that had none. Nothing else may change.
void checkOtherLinesKept(const QByteArray &before, const QByteArray &after, const Group &g,
                         const QStringList &written, bool sectionWasMissing) {
    const QList<Line> old = lines(before), now = lines(after);
    const QByteArray header = "[" + g.section.toUtf8() + "]";
    qsizetype i = 0;
    for (qsizetype j = 0; j < now.size(); ++j) {
        const Line &n = now[j];
        const bool lastOld = i + 1 == old.size() && !old[i].ended;
        if (i < old.size()) {
            const Line &o = old[i];
            if (n.text == o.text && n.ended == o.ended) {
                ++i;
                continue;
            }
            // A last line without its end gets one when lines follow it.
            if (lastOld && n.ended && (n.text == o.text || n.text == o.text + '\r')) {
                ++i;
                continue;
            }
        }
        const bool writtenLine = written.contains(QString::fromUtf8(withoutCr(n.text)));
        if (writtenLine && i < old.size() && (old[i].ended == n.ended || lastOld) &&
            std::any_of(g.keys.begin(), g.keys.end(),
                        [&](const QString &k) { return isKeyLine(old[i].text, k); })) {
            // Changed in place: it keeps its own line end.
            FUZZ_CHECK(old[i].text.endsWith('\r') == n.text.endsWith('\r') || lastOld,
                       QString::fromUtf8(n.text));
            ++i;
            continue;
        }
        if (writtenLine || (sectionWasMissing && withoutCr(n.text) == header))
            continue; // inserted
        fail("a line the write should not have touched changed",
             QStringLiteral("line %1 of the new file; before: %2\nafter: %3")
                 .arg(j + 1)
                 .arg(fuzz::escaped(before), fuzz::escaped(after)));
    }
    FUZZ_CHECK(i == old.size(), QStringLiteral("lines lost from %1 on; before: %2\nafter: %3")
                                    .arg(i + 1)
                                    .arg(fuzz::escaped(before), fuzz::escaped(after)));
}

uint64_t mix(uint64_t x) {
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

// What one input writes: a key group and values, drawn from a hash of the input since the whole
// input is the file.
struct Write {
    const Group *group;
    QList<QPair<QString, QString>> keyValues;
    QStringList lines;
};

Write writeFor(const QByteArray &file) {
    uint64_t h = 1469598103934665603ULL;
    for (char c : file)
        h = (h ^ uint8_t(c)) * 1099511628211ULL;
    Write w{&groups()[qsizetype(mix(h) % uint64_t(groups().size()))], {}, {}};
    for (qsizetype k = 0; k < w.group->keys.size(); ++k) {
        const uint64_t r = mix(h + uint64_t(k) + 1);
        // Mostly the small values the layout writes, sometimes any 32-bit value.
        const int value = r & 1 ? int(int32_t(uint32_t(r >> 32))) : int((r >> 32) % 2000) - 1000;
        w.keyValues.append({w.group->keys[k], QString::number(value)});
        w.lines.append(w.group->keys[k] + u'=' + QString::number(value));
    }
    return w;
}

void checkWrite(const QByteArray &before, const Values &valuesBefore, const Write &w) {
    const Group &g = *w.group;
    const auto &keyValues = w.keyValues;
    FUZZ_CHECK(Profile::writeStrings(iniPath, g.section, keyValues), g.section);
    const QByteArray after = fuzz::readFile(iniPath);

    for (const auto &[key, value] : keyValues) {
        FUZZ_CHECK(Profile::readString(iniPath, g.section, key) == value, where(g, key));
        FUZZ_CHECK(Profile::readInt(iniPath, g.section, key, -777) == value.toInt(), where(g, key));
    }
    for (const Group &other : groups()) {
        for (const QString &key : other.keys) {
            if (other.section == g.section && g.keys.contains(key))
                continue;
            const QString now = Profile::readString(iniPath, other.section, key);
            const QString was = valuesBefore.value(where(other, key));
            FUZZ_CHECK(now == was && now.isNull() == was.isNull(),
                       where(other, key) + QStringLiteral(": ") + was + QStringLiteral(" became ") +
                           now);
        }
    }
    checkOtherLinesKept(before, after, g, w.lines, !hasSection(before, g.section));

    // Writing the same values again changes nothing.
    FUZZ_CHECK(Profile::writeStrings(iniPath, g.section, keyValues), g.section);
    FUZZ_CHECK(fuzz::readFile(iniPath) == after, QStringLiteral("second write of the same values"));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    iniPath = fuzz::workFolder() + QStringLiteral("/Settings.ini");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray file = fuzz::bytesOf(data, size);
    fuzz::writeFile(iniPath, file);
    const Write w = writeFor(file);
    checkWrite(file, checkReads(file, *w.group), w);
    return 0;
}
