#include "layout/profile.h"

#include "common/integertext.h"

#include <QFile>
#include <QSaveFile>

namespace delvora::Profile {

namespace {

struct Line {
    QByteArray text; // without its line end
    QByteArray end;  // "\r\n", "\n" or empty for a last line without one
};

QList<Line> splitLines(const QByteArray &data) {
    QList<Line> lines;
    qsizetype start = 0;
    while (start < data.size()) {
        qsizetype nl = data.indexOf('\n', start);
        if (nl < 0) {
            lines.append({data.mid(start), {}});
            break;
        }
        qsizetype endOfText = nl;
        QByteArray end = "\n";
        if (endOfText > start && data.at(endOfText - 1) == '\r') {
            --endOfText;
            end = "\r\n";
        }
        lines.append({data.mid(start, endOfText - start), end});
        start = nl + 1;
    }
    return lines;
}

// Profile files written by Windows are in the ANSI code page; names and numbers are ASCII, and
// lines we do not touch are kept as bytes, so UTF-8 serves for the names we compare.
QString decode(const QByteArray &bytes) {
    return QString::fromUtf8(bytes);
}

// Section name of a "[name]" line, or a null string for any other line.
QString sectionOf(const QByteArray &line) {
    const QByteArray t = line.trimmed();
    if (!t.startsWith('['))
        return {};
    const qsizetype close = t.indexOf(']');
    const QByteArray name = close < 0 ? t.mid(1) : t.mid(1, close - 1);
    return decode(name.trimmed());
}

// Key of a "key=value" line, with its value; false for lines without '='.
bool keyOf(const QByteArray &line, QString *key, QString *value) {
    const qsizetype eq = line.indexOf('=');
    if (eq < 0)
        return false;
    *key = decode(line.left(eq).trimmed());
    if (value) {
        QByteArray v = line.mid(eq + 1).trimmed();
        // Windows drops one pair of surrounding quotes.
        if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
            v = v.mid(1, v.size() - 2);
        *value = decode(v);
    }
    return true;
}

bool same(const QString &a, const QString &b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QByteArray readAll(const QString &path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

} // namespace

int parseInt(const QString &text) {
    return parseIntOrZero(text);
}

QString readString(const QString &path, const QString &section, const QString &key) {
    const QList<Line> lines = splitLines(readAll(path));
    bool inSection = false;
    for (const Line &line : lines) {
        const QString s = sectionOf(line.text);
        if (!s.isNull()) {
            inSection = same(s, section);
            continue;
        }
        QString k, v;
        if (inSection && keyOf(line.text, &k, &v) && same(k, key))
            return v.isNull() ? QStringLiteral("") : v;
    }
    return {};
}

int readInt(const QString &path, const QString &section, const QString &key, int def) {
    const QString v = readString(path, section, key);
    if (v.isEmpty())
        return def;
    return parseInt(v);
}

bool writeStrings(const QString &path, const QString &section,
                  const QList<QPair<QString, QString>> &keyValues) {
    QList<Line> lines = splitLines(readAll(path));
    QByteArray eol = "\r\n";
    for (const Line &l : lines)
        if (!l.end.isEmpty()) {
            eol = l.end;
            break;
        }

    // Find the section's range [first, last) of lines after its header.
    qsizetype header = -1, end = lines.size();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString s = sectionOf(lines[i].text);
        if (s.isNull())
            continue;
        if (header >= 0) {
            end = i;
            break;
        }
        if (same(s, section))
            header = i;
    }
    if (header < 0) {
        if (!lines.isEmpty() && lines.back().end.isEmpty())
            lines.back().end = eol;
        lines.append({"[" + section.toUtf8() + "]", eol});
        header = lines.size() - 1;
        end = lines.size();
    }
    // Keys are added after the section's last key, before trailing blank lines.
    qsizetype insertAt = end;
    while (insertAt > header + 1 && lines[insertAt - 1].text.trimmed().isEmpty())
        --insertAt;

    for (const auto &[key, value] : keyValues) {
        const QByteArray text = key.toUtf8() + "=" + value.toUtf8();
        bool found = false;
        for (qsizetype i = header + 1; i < end; ++i) {
            QString k;
            if (keyOf(lines[i].text, &k, nullptr) && same(k, key)) {
                lines[i].text = text;
                found = true;
                break;
            }
        }
        if (!found) {
            if (insertAt > 0 && lines[insertAt - 1].end.isEmpty())
                lines[insertAt - 1].end = eol;
            lines.insert(insertAt, {text, eol});
            ++insertAt;
            ++end;
        }
    }

    QByteArray out;
    for (const Line &l : lines)
        out += l.text + l.end;
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    if (f.write(out) != out.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

} // namespace delvora::Profile
