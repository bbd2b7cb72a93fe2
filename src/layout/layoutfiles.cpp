#include "layout/layoutfiles.h"

#include <QFile>

#include "layout/profile.h"

namespace delvora {

namespace {

QString iniPath() {
    return QString::fromUtf16(kSettingsIni);
}
QString rowSection(int row) {
    return QStringLiteral("Row%1").arg(row);
}
int readKey(const QString &section, const char *key, int def) {
    return Profile::readInt(iniPath(), section, QString::fromLatin1(key), def);
}
QPair<QString, QString> kv(const char *key, int value) {
    return {QString::fromLatin1(key), QString::number(value)};
}

// Only the low byte of each value counts, as in a Windows colour value.
QColor colorOf(int r, int g, int b) {
    return QColor(r & 0xFF, g & 0xFF, b & 0xFF);
}

} // namespace

QColor readBackColor() {
    const QString s = QStringLiteral("BackColor");
    return colorOf(readKey(s, "backColor_r", 255), readKey(s, "backColor_g", 0),
                   readKey(s, "backColor_b", 0));
}

bool writeBackColor(const QColor &c) {
    Profile::writeStrings(
        iniPath(), QStringLiteral("BackColor"),
        {kv("backColor_r", c.red()), kv("backColor_g", c.green()), kv("backColor_b", c.blue())});
    return true;
}

QColor readRowColor(int row) {
    const QString s = rowSection(row);
    return colorOf(readKey(s, "color_r", 255), readKey(s, "color_g", 255),
                   readKey(s, "color_b", 0));
}

bool writeRowColor(const QColor &c, int row) {
    Profile::writeStrings(
        iniPath(), rowSection(row),
        {kv("color_r", c.red()), kv("color_g", c.green()), kv("color_b", c.blue())});
    return true;
}

bool readRowAlign(int row, int &horizontal, int &vertical) {
    horizontal = readKey(rowSection(row), "align_h", 1);
    vertical = readKey(rowSection(row), "align_v", 1);
    return true;
}

bool writeRowAlign(int horizontal, int vertical, int row) {
    Profile::writeStrings(iniPath(), rowSection(row),
                          {kv("align_h", horizontal), kv("align_v", vertical)});
    return true;
}

void readRowIndents(int row, int &left, int &top, int &right, int &bottom) {
    const QString s = rowSection(row);
    left = readKey(s, "indent_l", 0);
    top = readKey(s, "indent_t", 0);
    right = readKey(s, "indent_r", 0);
    bottom = readKey(s, "indent_b", 0);
}

bool writeRowIndents(int left, int top, int right, int bottom, int row) {
    Profile::writeStrings(
        iniPath(), rowSection(row),
        {kv("indent_l", left), kv("indent_t", top), kv("indent_r", right), kv("indent_b", bottom)});
    return true;
}

bool readRowAutoFit(int row) {
    return readKey(rowSection(row), "autofit", 0) != 0;
}

bool writeRowAutoFit(bool on, int row) {
    return Profile::writeStrings(iniPath(), rowSection(row), {kv("autofit", on ? 1 : 0)});
}

QSize readResolution() {
    return QSize(readKey(QStringLiteral("Resolution"), "H", 1024),
                 readKey(QStringLiteral("Resolution"), "V", 600));
}

bool writeResolution(int width, int height) {
    Profile::writeStrings(iniPath(), QStringLiteral("Resolution"),
                          {kv("H", width), kv("V", height)});
    return true;
}

QString readLanguage() {
    const QString value =
        Profile::readString(iniPath(), QStringLiteral("Window"), QStringLiteral("language"))
            .trimmed()
            .toLower();
    return value == u"en" ? QStringLiteral("en") : QStringLiteral("zh");
}

bool writeLanguage(const QString &language) {
    return Profile::writeStrings(iniPath(), QStringLiteral("Window"),
                                 {{QStringLiteral("language"), language}});
}

bool readRowFont(int row, LogFont &lf) {
    QFile f(QString::fromUtf16(kFontSettingDat));
    if (!f.open(QIODevice::ReadOnly))
        return false;
    if (!f.seek(qint64(LogFont::kSize) * row))
        return false;
    const QByteArray data = f.read(LogFont::kSize);
    if (data.size() != LogFont::kSize)
        return false; // a cut-short file: never use a half-filled record
    lf = LogFont::fromBytes(data.constData());
    return true;
}

bool writeRowFont(int row, const LogFont &lf) {
    QFile f(QString::fromUtf16(kFontSettingDat));
    if (!f.exists())
        return false;
    if (!f.open(QIODevice::ReadWrite))
        return false;
    // Seeking past the end and writing fills the gap with zero bytes.
    const qint64 offset = qint64(LogFont::kSize) * row;
    if (f.size() < offset && !f.resize(offset))
        return false;
    if (!f.seek(offset))
        return false;
    const QByteArray data = lf.toBytes();
    return f.write(data) == data.size() && f.flush();
}

} // namespace delvora
