#pragma once

#include <QImage>
#include <QList>
#include <QRectF>

#include "layout/platelayout.h"
#include "layout/platetexts.h"

class QPainter;

namespace delvora {

// The picture the preview shows: one entry's texts drawn with the current layout, and where
// each row's text stands in it (what the mouse can grab). It owns the texts it shows; nothing
// else draws into it.
class PlatePreview {
public:
    const PlateTexts &texts() const { return m_texts; }
    void setTexts(const PlateTexts &texts) { m_texts = texts; }

    // Draws the texts anew with this layout on this background.
    void render(const PlateLayout &layout, const QImage &background);

    const QImage &picture() const { return m_picture; }
    // The rows' text boxes of the last rendering, canvas pixels; empty ones without a picture.
    const QList<QRectF> &rowBoxes() const { return m_boxes; }

    // Draws the picture stretched into the target rectangle (nothing when there is none).
    void paint(QPainter &painter, const QRect &target) const;

private:
    PlateTexts m_texts;
    QImage m_picture;
    QList<QRectF> m_boxes = QList<QRectF>(PlateLayout::kRows);
};

} // namespace delvora
