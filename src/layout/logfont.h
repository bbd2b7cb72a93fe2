#pragma once

#include <QByteArray>
#include <QFont>
#include <array>
#include <cstdint>

namespace delvora {

// The Windows LogFont record as the font files store it: 92 bytes, little-endian.
struct LogFont {
    int32_t height = 0; // negative: character height in pixels; positive: cell height; 0: default
    int32_t width = 0;
    int32_t escapement = 0;
    int32_t orientation = 0;
    int32_t weight = 0; // 400 normal, 700 bold, 0 default
    uint8_t italic = 0;
    uint8_t underline = 0;
    uint8_t strikeOut = 0;
    uint8_t charSet = 0;
    uint8_t outPrecision = 0;
    uint8_t clipPrecision = 0;
    uint8_t quality = 0;
    uint8_t pitchAndFamily = 0;
    std::array<char16_t, 32> face{}; // NUL-terminated

    static constexpr int kSize = 92;

    QString faceName() const;
    void setFaceName(const QString &name); // cut to 31 code units

    QByteArray toBytes() const;
    static LogFont fromBytes(const char *data); // reads exactly kSize bytes

    bool operator==(const LogFont &) const = default;
};

// The record used when a row's font cannot be read: all zero, face "宋体".
LogFont defaultLogFont();

// Pixel size a height-0 record stands for: large enough to read on a plate.
constexpr int kDefaultFontPixels = 48;
// Far taller than any canvas; a damaged record asking for more gets this.
constexpr int kMaxFontPixels = 16384;

// The one place where a record becomes a QFont. The height means pixels on the canvas.
QFont logFontToQFont(const LogFont &lf);
// And back: height becomes the negative character height in pixels, as the Windows font
// dialog reports it.
LogFont qFontToLogFont(const QFont &font);

// The font as the font file keeps it: what a font chosen now looks like after a restart.
QFont recordedFont(const QFont &font);

// Maps 宋体 and its relatives to an installed Song-style CJK face where Windows fonts are
// missing. Call once after the application object exists.
void installFontSubstitutes();

} // namespace delvora
