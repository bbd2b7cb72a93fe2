#pragma once

#include <QRectF>
#include <QString>
#include <cstdint>

#include "layout/logfont.h"

namespace delvora {

// Windows colour value: red in the low byte, then green, then blue.
using COLORREF = uint32_t;

constexpr COLORREF MakeRgb(int r, int g, int b) {
    return COLORREF(r & 0xFF) | COLORREF(g & 0xFF) << 8 | COLORREF(b & 0xFF) << 16;
}
constexpr int RedOf(COLORREF c) {
    return int(c & 0xFF);
}
constexpr int GreenOf(COLORREF c) {
    return int(c >> 8 & 0xFF);
}
constexpr int BlueOf(COLORREF c) {
    return int(c >> 16 & 0xFF);
}

// One text row of the plate picture.
struct RowStyle {
    QString m_strText; // what to draw; comes from the name list
    LOGFONTW m_lf = DefaultLogFont();
    COLORREF m_crColor = MakeRgb(255, 255, 0);
    QRectF m_rcBox;        // single-line text box of the last rendering, canvas pixels
    int32_t m_nAlignH = 1; // 0 left, 1 centre, 2 right
    int32_t m_nAlignV = 1; // 0 top, 1 centre, 2 bottom
    int32_t m_nIndentL = 0;
    int32_t m_nIndentT = 0;
    int32_t m_nIndentR = 0;
    int32_t m_nIndentB = 0;
    bool m_bAutoFit = false; // 自动缩小: a text too long for the box is drawn smaller
};

} // namespace delvora
