#pragma once

#include "layout/logfont.h"
#include "layout/platecanvas.h"
#include "layout/platelayout.h"

// The plate every benchmark draws: the built-in red canvas, bold rows of 56, 120 and 56
// pixels, organisation above and title below the name.
inline void SetUpBenchPlate(delvora::PlateCanvas &canvas, delvora::PlateLayout &layout) {
    canvas.InitCanvas(QStringLiteral("/nonexistent/red.jpg"), delvora::MakeRgb(200, 0, 0));
    const int heights[3] = {56, 120, 56};
    for (int i = 0; i < 3; ++i) {
        layout.m_pRows[size_t(i)].m_lf.lfHeight = -heights[i];
        layout.m_pRows[size_t(i)].m_lf.lfWeight = 700;
    }
    layout.m_pRows[0].m_nIndentT = -170;
    layout.m_pRows[2].m_nIndentT = 170;
}
