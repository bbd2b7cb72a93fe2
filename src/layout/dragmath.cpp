#include "layout/dragmath.h"

namespace delvora {

QPointF canvasPointAt(QPoint client, QPoint previewTopLeft) {
    return QPointF(2.0 * (client.x() - previewTopLeft.x()) + 2.0,
                   2.0 * (client.y() - previewTopLeft.y()) + 2.0);
}

int hitRow(const QList<QRectF> &boxes, QPointF p) {
    int row = 0;
    for (; row < boxes.size(); ++row) {
        const QRectF &box = boxes.at(row);
        if (box.x() < p.x() && p.x() < box.x() + box.width() && box.y() < p.y() &&
            p.y() < box.y() + box.height())
            break;
    }
    return row;
}

void dragRow(RowStyle &row, int dx, int dy) {
    if (row.alignH == 2)
        row.indentRight -= 2 * dx;
    else
        row.indentLeft += 2 * dx;
    if (row.alignV == 2)
        row.indentBottom -= 2 * dy;
    else
        row.indentTop += 2 * dy;
}

} // namespace delvora
