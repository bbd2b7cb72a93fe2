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

} // namespace

COLORREF ReadBackColor() {
    const QString s = QStringLiteral("BackColor");
    return MakeRgb(readKey(s, "backColor_r", 255), readKey(s, "backColor_g", 0),
                   readKey(s, "backColor_b", 0));
}

bool WriteBackColor(COLORREF c) {
    Profile::writeStrings(
        iniPath(), QStringLiteral("BackColor"),
        {kv("backColor_r", RedOf(c)), kv("backColor_g", GreenOf(c)), kv("backColor_b", BlueOf(c))});
    return true;
}

COLORREF ReadRowColor(int row) {
    const QString s = rowSection(row);
    return MakeRgb(readKey(s, "color_r", 255), readKey(s, "color_g", 255),
                   readKey(s, "color_b", 0));
}

bool WriteRowColor(COLORREF c, int row) {
    Profile::writeStrings(
        iniPath(), rowSection(row),
        {kv("color_r", RedOf(c)), kv("color_g", GreenOf(c)), kv("color_b", BlueOf(c))});
    return true;
}

bool ReadRowAlign(int row, int32_t &horizontal, int32_t &vertical) {
    horizontal = readKey(rowSection(row), "align_h", 1);
    vertical = readKey(rowSection(row), "align_v", 1);
    return true;
}

bool WriteRowAlign(int horizontal, int vertical, int row) {
    Profile::writeStrings(iniPath(), rowSection(row),
                          {kv("align_h", horizontal), kv("align_v", vertical)});
    return true;
}

void ReadRowIndents(int row, int32_t &left, int32_t &top, int32_t &right, int32_t &bottom) {
    const QString s = rowSection(row);
    left = readKey(s, "indent_l", 0);
    top = readKey(s, "indent_t", 0);
    right = readKey(s, "indent_r", 0);
    bottom = readKey(s, "indent_b", 0);
}

bool WriteRowIndents(int left, int top, int right, int bottom, int row) {
    Profile::writeStrings(
        iniPath(), rowSection(row),
        {kv("indent_l", left), kv("indent_t", top), kv("indent_r", right), kv("indent_b", bottom)});
    return true;
}

bool ReadRowAutoFit(int row) {
    return readKey(rowSection(row), "autofit", 0) != 0;
}

bool WriteRowAutoFit(bool on, int row) {
    return Profile::writeStrings(iniPath(), rowSection(row), {kv("autofit", on ? 1 : 0)});
}

void ReadResolution(int32_t &width, int32_t &height) {
    width = readKey(QStringLiteral("Resolution"), "H", 1024);
    height = readKey(QStringLiteral("Resolution"), "V", 600);
}

bool WriteResolution(int width, int height) {
    Profile::writeStrings(iniPath(), QStringLiteral("Resolution"),
                          {kv("H", width), kv("V", height)});
    return true;
}

QString ReadLanguage() {
    const QString value =
        Profile::readString(iniPath(), QStringLiteral("Window"), QStringLiteral("language"))
            .trimmed()
            .toLower();
    return value == u"en" ? QStringLiteral("en") : QStringLiteral("zh");
}

bool WriteLanguage(const QString &language) {
    return Profile::writeStrings(iniPath(), QStringLiteral("Window"),
                                 {{QStringLiteral("language"), language}});
}

bool ReadRowFont(int row, LOGFONTW &lf) {
    QFile f(QString::fromUtf16(kFontSettingDat));
    if (!f.open(QIODevice::ReadOnly))
        return false;
    if (!f.seek(qint64(LOGFONTW::kSize) * row))
        return false;
    const QByteArray data = f.read(LOGFONTW::kSize);
    if (data.size() != LOGFONTW::kSize)
        return false; // a cut-short file: never use a half-filled record
    lf = LOGFONTW::fromBytes(data.constData());
    return true;
}

bool WriteRowFont(int row, const LOGFONTW &lf) {
    QFile f(QString::fromUtf16(kFontSettingDat));
    if (!f.exists())
        return false;
    if (!f.open(QIODevice::ReadWrite))
        return false;
    // Seeking past the end and writing fills the gap with zero bytes.
    const qint64 offset = qint64(LOGFONTW::kSize) * row;
    if (f.size() < offset && !f.resize(offset))
        return false;
    if (!f.seek(offset))
        return false;
    const QByteArray data = lf.toBytes();
    return f.write(data) == data.size() && f.flush();
}

} // namespace delvora
