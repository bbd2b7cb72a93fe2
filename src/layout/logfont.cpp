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
    while (n < qsizetype(face.size()) && face[size_t(n)] != 0)
        ++n;
    return QString::fromUtf16(face.data(), n);
}

void LogFont::setFaceName(const QString &name) {
    face.fill(0);
    const qsizetype n = std::min<qsizetype>(name.size(), qsizetype(face.size()) - 1);
    for (qsizetype i = 0; i < n; ++i)
        face[size_t(i)] = name.at(i).unicode();
}

QByteArray LogFont::toBytes() const {
    QByteArray out(kSize, '\0');
    char *p = out.data();
    qToLittleEndian<int32_t>(height, p + 0);
    qToLittleEndian<int32_t>(width, p + 4);
    qToLittleEndian<int32_t>(escapement, p + 8);
    qToLittleEndian<int32_t>(orientation, p + 12);
    qToLittleEndian<int32_t>(weight, p + 16);
    const uint8_t bytes[8] = {italic,       underline,     strikeOut, charSet,
                              outPrecision, clipPrecision, quality,   pitchAndFamily};
    std::memcpy(p + 20, bytes, 8);
    for (size_t i = 0; i < face.size(); ++i)
        qToLittleEndian<uint16_t>(face[i], p + 28 + 2 * i);
    return out;
}

LogFont LogFont::fromBytes(const char *p) {
    LogFont lf;
    lf.height = qFromLittleEndian<int32_t>(p + 0);
    lf.width = qFromLittleEndian<int32_t>(p + 4);
    lf.escapement = qFromLittleEndian<int32_t>(p + 8);
    lf.orientation = qFromLittleEndian<int32_t>(p + 12);
    lf.weight = qFromLittleEndian<int32_t>(p + 16);
    lf.italic = uint8_t(p[20]);
    lf.underline = uint8_t(p[21]);
    lf.strikeOut = uint8_t(p[22]);
    lf.charSet = uint8_t(p[23]);
    lf.outPrecision = uint8_t(p[24]);
    lf.clipPrecision = uint8_t(p[25]);
    lf.quality = uint8_t(p[26]);
    lf.pitchAndFamily = uint8_t(p[27]);
    for (size_t i = 0; i < lf.face.size(); ++i)
        lf.face[i] = qFromLittleEndian<uint16_t>(p + 28 + 2 * i);
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
    if (lf.height < 0) {
        font.setPixelSize(pixelsInRange(-double(lf.height)));
    } else if (lf.height > 0) {
        // A positive height is the whole cell (ascent + descent): scale the em to fit it.
        QFont probe(font);
        probe.setPixelSize(100);
        const qreal cell = QFontMetricsF(probe).ascent() + QFontMetricsF(probe).descent();
        font.setPixelSize(pixelsInRange(lf.height * 100.0 / (cell > 0 ? cell : 100)));
    } else {
        font.setPixelSize(kDefaultFontPixels);
    }
    const int weight = lf.weight <= 0 ? 400 : std::clamp(int(lf.weight), 1, 1000);
    font.setWeight(QFont::Weight(weight));
    font.setItalic(lf.italic != 0);
    font.setUnderline(lf.underline != 0);
    font.setStrikeOut(lf.strikeOut != 0);
    if (lf.width > 0 && lf.height != 0) {
        // A width asks for condensed or expanded glyphs relative to the normal average width.
        QFont normal(font);
        const qreal avg = QFontMetricsF(normal).averageCharWidth();
        if (avg > 0)
            font.setStretch(int(std::clamp(lf.width * 100.0 / avg + 0.5, 1.0, 4000.0)));
    }
    return font;
}

LogFont qFontToLogFont(const QFont &font) {
    LogFont lf;
    int pixels = font.pixelSize();
    if (pixels <= 0)
        pixels = int(QFontInfo(font).pixelSize());
    lf.height = -pixels;
    lf.weight = font.weight();
    lf.italic = font.italic() ? 1 : 0;
    lf.underline = font.underline() ? 1 : 0;
    lf.strikeOut = font.strikeOut() ? 1 : 0;
    lf.charSet = 1;       // DEFAULT_CHARSET: let the face decide
    lf.outPrecision = 3;  // OUT_STROKE_PRECIS, as the font dialog sets it
    lf.clipPrecision = 2; // CLIP_STROKE_PRECIS
    lf.quality = 1;       // DRAFT_QUALITY
    lf.pitchAndFamily = 0;
    lf.setFaceName(font.family());
    return lf;
}

QFont recordedFont(const QFont &font) {
    return logFontToQFont(qFontToLogFont(font));
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
