#include "layout/logfont.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QStringList>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace delvora {

QString LogFont::faceName() const {
    qsizetype n = 0;
    while (n < qsizetype(lfFaceName.size()) && lfFaceName[size_t(n)] != 0)
        ++n;
    return QString::fromUtf16(lfFaceName.data(), n);
}

void LogFont::setFaceName(const QString &name) {
    lfFaceName.fill(0);
    const qsizetype n = std::min<qsizetype>(name.size(), qsizetype(lfFaceName.size()) - 1);
    for (qsizetype i = 0; i < n; ++i)
        lfFaceName[size_t(i)] = name.at(i).unicode();
}

QByteArray LogFont::toBytes() const {
    QByteArray out(kSize, '\0');
    char *p = out.data();
    qToLittleEndian<int32_t>(lfHeight, p + 0);
    qToLittleEndian<int32_t>(lfWidth, p + 4);
    qToLittleEndian<int32_t>(lfEscapement, p + 8);
    qToLittleEndian<int32_t>(lfOrientation, p + 12);
    qToLittleEndian<int32_t>(lfWeight, p + 16);
    const uint8_t bytes[8] = {lfItalic,       lfUnderline,     lfStrikeOut, lfCharSet,
                              lfOutPrecision, lfClipPrecision, lfQuality,   lfPitchAndFamily};
    std::memcpy(p + 20, bytes, 8);
    for (size_t i = 0; i < lfFaceName.size(); ++i)
        qToLittleEndian<uint16_t>(lfFaceName[i], p + 28 + 2 * i);
    return out;
}

LogFont LogFont::fromBytes(const char *p) {
    LogFont lf;
    lf.lfHeight = qFromLittleEndian<int32_t>(p + 0);
    lf.lfWidth = qFromLittleEndian<int32_t>(p + 4);
    lf.lfEscapement = qFromLittleEndian<int32_t>(p + 8);
    lf.lfOrientation = qFromLittleEndian<int32_t>(p + 12);
    lf.lfWeight = qFromLittleEndian<int32_t>(p + 16);
    lf.lfItalic = uint8_t(p[20]);
    lf.lfUnderline = uint8_t(p[21]);
    lf.lfStrikeOut = uint8_t(p[22]);
    lf.lfCharSet = uint8_t(p[23]);
    lf.lfOutPrecision = uint8_t(p[24]);
    lf.lfClipPrecision = uint8_t(p[25]);
    lf.lfQuality = uint8_t(p[26]);
    lf.lfPitchAndFamily = uint8_t(p[27]);
    for (size_t i = 0; i < lf.lfFaceName.size(); ++i)
        lf.lfFaceName[i] = qFromLittleEndian<uint16_t>(p + 28 + 2 * i);
    return lf;
}

LogFont defaultLogFont() {
    LogFont lf;
    lf.setFaceName(QStringLiteral("宋体"));
    return lf;
}

namespace {

// Any record's numbers stay in range: heights and widths come from a file.
int pixelsInRange(double pixels) {
    return int(std::clamp(std::floor(pixels + 0.5), 1.0, double(kMaxFontPixels)));
}

} // namespace

QFont logFontToQFont(const LogFont &lf) {
    QFont font(lf.faceName());
    font.setStyleStrategy(QFont::PreferAntialias);
    if (lf.lfHeight < 0) {
        font.setPixelSize(pixelsInRange(-double(lf.lfHeight)));
    } else if (lf.lfHeight > 0) {
        // A positive height is the whole cell (ascent + descent): scale the em to fit it.
        QFont probe(font);
        probe.setPixelSize(100);
        const qreal cell = QFontMetricsF(probe).ascent() + QFontMetricsF(probe).descent();
        font.setPixelSize(pixelsInRange(lf.lfHeight * 100.0 / (cell > 0 ? cell : 100)));
    } else {
        font.setPixelSize(kDefaultFontPixels);
    }
    const int weight = lf.lfWeight <= 0 ? 400 : std::clamp(int(lf.lfWeight), 1, 1000);
    font.setWeight(QFont::Weight(weight));
    font.setItalic(lf.lfItalic != 0);
    font.setUnderline(lf.lfUnderline != 0);
    font.setStrikeOut(lf.lfStrikeOut != 0);
    if (lf.lfWidth > 0 && lf.lfHeight != 0) {
        // A width asks for condensed or expanded glyphs relative to the normal average width.
        QFont normal(font);
        const qreal avg = QFontMetricsF(normal).averageCharWidth();
        if (avg > 0)
            font.setStretch(int(std::clamp(lf.lfWidth * 100.0 / avg + 0.5, 1.0, 4000.0)));
    }
    return font;
}

LogFont qFontToLogFont(const QFont &font) {
    LogFont lf;
    int pixels = font.pixelSize();
    if (pixels <= 0)
        pixels = int(QFontInfo(font).pixelSize());
    lf.lfHeight = -pixels;
    lf.lfWeight = font.weight();
    lf.lfItalic = font.italic() ? 1 : 0;
    lf.lfUnderline = font.underline() ? 1 : 0;
    lf.lfStrikeOut = font.strikeOut() ? 1 : 0;
    lf.lfCharSet = 1;       // DEFAULT_CHARSET: let the face decide
    lf.lfOutPrecision = 3;  // OUT_STROKE_PRECIS, as the font dialog sets it
    lf.lfClipPrecision = 2; // CLIP_STROKE_PRECIS
    lf.lfQuality = 1;       // DRAFT_QUALITY
    lf.lfPitchAndFamily = 0;
    lf.setFaceName(font.family());
    return lf;
}

void installFontSubstitutes() {
#ifndef _WIN32
    const QStringList song = {QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Serif CJK"),
                              QStringLiteral("AR PL UMing CN"), QStringLiteral("Noto Sans CJK SC")};
    const QStringList hei = {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Noto Sans CJK")};
    for (const char16_t *name :
         {u"宋体", u"新宋体", u"SimSun", u"NSimSun", u"仿宋", u"FangSong", u"楷体", u"KaiTi"})
        QFont::insertSubstitutions(QString::fromUtf16(name), song);
    for (const char16_t *name :
         {u"黑体", u"SimHei", u"微软雅黑", u"Microsoft YaHei", u"MS Shell Dlg", u"MS Shell Dlg 2"})
        QFont::insertSubstitutions(QString::fromUtf16(name), hei);
#endif
}

} // namespace delvora
