#pragma once

#include "layout/logfont.h"
#include "layout/platecanvas.h"
#include "layout/platelayout.h"

// The plate every benchmark draws: the built-in red canvas, bold rows of 56, 120 and 56
// pixels, organisation above and title below the name.
inline void SetUpBenchPlate(delvora::PlateCanvas &canvas, delvora::PlateLayout &layout) {
    canvas.initCanvas(QStringLiteral("/nonexistent/red.jpg"), QColor(200, 0, 0));
    const int heights[3] = {56, 120, 56};
    for (int i = 0; i < 3; ++i) {
        layout.rows[size_t(i)].font.setPixelSize(heights[i]);
        layout.rows[size_t(i)].font.setWeight(QFont::Bold);
    }
    layout.rows[0].indentTop = -170;
    layout.rows[2].indentTop = 170;
}
