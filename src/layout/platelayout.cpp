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

void writeLayout(const PlateLayout &layout, QSize plateSize) {
    QSize fileSize;
    const PlateLayout files = readLayout(fileSize);
    if (files.backColor != layout.backColor)
        writeBackColor(layout.backColor);
    if (fileSize != plateSize)
        writeResolution(plateSize.width(), plateSize.height());
    for (int i = 0; i < PlateLayout::kRows; ++i) {
        const RowStyle &row = layout.rows[size_t(i)];
        const RowStyle &old = files.rows[size_t(i)];
        if (row.font != old.font)
            writeRowFont(i, qFontToLogFont(row.font));
        if (row.color != old.color)
            writeRowColor(row.color, i);
        if (row.alignH != old.alignH || row.alignV != old.alignV)
            writeRowAlign(row.alignH, row.alignV, i);
        if (row.indentLeft != old.indentLeft || row.indentTop != old.indentTop ||
            row.indentRight != old.indentRight || row.indentBottom != old.indentBottom)
            writeRowIndents(row.indentLeft, row.indentTop, row.indentRight, row.indentBottom, i);
        if (row.autoFit != old.autoFit)
            writeRowAutoFit(row.autoFit, i);
    }
}

void writeIndents(const PlateLayout &layout) {
    for (int i = 0; i < PlateLayout::kRows; ++i) {
        const RowStyle &row = layout.rows[size_t(i)];
        writeRowIndents(row.indentLeft, row.indentTop, row.indentRight, row.indentBottom, i);
    }
}

} // namespace delvora
