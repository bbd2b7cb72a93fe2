#include "layout/platepreview.h"

#include <QPainter>

#include "layout/renderer.h"

namespace delvora {

void PlatePreview::render(const PlateLayout &layout, const QImage &background) {
    m_picture = renderPlate(layout, background, m_texts);
    for (int i = 0; i < PlateLayout::kRows; ++i)
        m_boxes[i] = m_picture.isNull() ? QRectF()
                                        : rowTextBox(layout.rows[size_t(i)], m_texts.row(i),
                                                     m_picture.width(), m_picture.height());
}

void PlatePreview::paint(QPainter &painter, const QRect &target) const {
    if (m_picture.isNull())
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(target, m_picture);
}

} // namespace delvora
