#pragma once

#include <QRectF>
#include <QString>
#include <cstdint>

#include "layout/logfont.h"

namespace delvora {

// Windows colour value: red in the low byte, then green, then blue.
using ColorRef = uint32_t;

constexpr ColorRef makeRgb(int r, int g, int b) {
    return ColorRef(r & 0xFF) | ColorRef(g & 0xFF) << 8 | ColorRef(b & 0xFF) << 16;
}
constexpr int redOf(ColorRef c) {
    return int(c & 0xFF);
}
constexpr int greenOf(ColorRef c) {
    return int(c >> 8 & 0xFF);
}
constexpr int blueOf(ColorRef c) {
    return int(c >> 16 & 0xFF);
}

// One text row of the plate picture.
struct RowStyle {
    QString text; // what to draw; comes from the name list
    LogFont logFont = defaultLogFont();
    ColorRef color = makeRgb(255, 255, 0);
    QRectF box;         // single-line text box of the last rendering, canvas pixels
    int32_t alignH = 1; // 0 left, 1 centre, 2 right
    int32_t alignV = 1; // 0 top, 1 centre, 2 bottom
    int32_t indentLeft = 0;
    int32_t indentTop = 0;
    int32_t indentRight = 0;
    int32_t indentBottom = 0;
    bool autoFit = false; // 自动缩小: a text too long for the box is drawn smaller
};

} // namespace delvora
