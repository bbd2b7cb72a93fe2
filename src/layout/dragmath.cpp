#include "layout/dragmath.h"

namespace delvora {

QPointF CanvasPointAt(QPoint client, QPoint previewTopLeft) {
    return QPointF(2.0 * (client.x() - previewTopLeft.x()) + 2.0,
                   2.0 * (client.y() - previewTopLeft.y()) + 2.0);
}

int HitRow(const PlateLayout &layout, QPointF p) {
    int row = 0;
    for (; row < layout.m_nRowCount; ++row) {
        const QRectF &box = layout.m_pRows[size_t(row)].m_rcBox;
        if (box.x() < p.x() && p.x() < box.x() + box.width() && box.y() < p.y() &&
            p.y() < box.y() + box.height())
            break;
    }
    return row;
}

void DragRow(RowStyle &row, int dx, int dy) {
    if (row.m_nAlignH == 2)
        row.m_nIndentR -= 2 * dx;
    else
        row.m_nIndentL += 2 * dx;
    if (row.m_nAlignV == 2)
        row.m_nIndentB -= 2 * dy;
    else
        row.m_nIndentT += 2 * dy;
}

} // namespace delvora
