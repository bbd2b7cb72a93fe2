#include "layout/platelayout.h"

#include "layout/layoutfiles.h"

namespace delvora {

void PlateLayout::load(int32_t &canvasWidth, int32_t &canvasHeight) {
    backColor = readBackColor();
    readResolution(canvasWidth, canvasHeight);
    const LogFont fallback = defaultLogFont();
    for (int i = 0; i < rowCount; ++i) {
        LogFont lf;
        rows[size_t(i)].logFont = readRowFont(i, lf) ? lf : fallback;
    }
    for (int i = 0; i < rowCount; ++i) {
        RowStyle &row = rows[size_t(i)];
        readRowAlign(i, row.alignH, row.alignV);
        readRowIndents(i, row.indentLeft, row.indentTop, row.indentRight, row.indentBottom);
        row.color = readRowColor(i);
        row.autoFit = readRowAutoFit(i);
    }
}

void PlateLayout::saveIndents() const {
    for (int i = 0; i < rowCount; ++i) {
        const RowStyle &row = rows[size_t(i)];
        writeRowIndents(row.indentLeft, row.indentTop, row.indentRight, row.indentBottom, i);
    }
}

void PlateLayout::setTexts(const QString &organisation, const QString &name, const QString &title) {
    rows[0].text = organisation;
    rows[1].text = name;
    rows[2].text = title;
}

} // namespace delvora
