#include "layout/platelayout.h"

#include "layout/layoutfiles.h"
#include "layout/logfont.h"

namespace delvora {

QFont defaultRowFont() {
    return logFontToQFont(defaultLogFont());
}

PlateLayout readLayout(QSize &plateSize) {
    PlateLayout layout;
    layout.backColor = readBackColor();
    plateSize = readResolution();
    for (int i = 0; i < PlateLayout::kRows; ++i) {
        LogFont lf;
        layout.rows[size_t(i)].font = logFontToQFont(readRowFont(i, lf) ? lf : defaultLogFont());
    }
    for (int i = 0; i < PlateLayout::kRows; ++i) {
        RowStyle &row = layout.rows[size_t(i)];
        readRowAlign(i, row.alignH, row.alignV);
        readRowIndents(i, row.indentLeft, row.indentTop, row.indentRight, row.indentBottom);
        row.color = readRowColor(i);
        row.autoFit = readRowAutoFit(i);
    }
    return layout;
}

void writeIndents(const PlateLayout &layout) {
    for (int i = 0; i < PlateLayout::kRows; ++i) {
        const RowStyle &row = layout.rows[size_t(i)];
        writeRowIndents(row.indentLeft, row.indentTop, row.indentRight, row.indentBottom, i);
    }
}

} // namespace delvora
