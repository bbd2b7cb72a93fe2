#include "printing/printlook.h"

#include <QPainter>

#include "layout/renderer.h"

namespace delvora {

namespace {
// The one colour every pixel has, or an invalid colour.
QColor uniformColor(const QImage &picture) {
    if (picture.isNull())
        return {};
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    const QRgb first = rgb.pixel(0, 0);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            if (line[x] != first)
                return {};
    }
    return QColor::fromRgb(first);
}
} // namespace

PrintLook PrintLook::of(const PlateLayout &layout, const QImage &background, bool plain) {
    PrintLook look;
    look.layout = layout;
    // Shaped runs of Latin text may use glyphs the face's character map does not name (its
    // figures, for one); the PDF then cannot say which characters they are and a search finds
    // nothing. Unshaped, every glyph is the character's own.
    for (RowStyle &row : look.layout.rows)
        row.font.setStyleStrategy(QFont::PreferNoShaping);
    look.background = background;
    look.plate = background.isNull() ? QSize(1024, 600) : background.size();
    look.plain = plain;
    look.solid = plain                 ? QColor(Qt::white)
                 : background.isNull() ? layout.backColor
                                       : uniformColor(background);
    return look;
}

QRectF fitPlate(const QSize &plate, const QRectF &box) {
    if (plate.isEmpty() || box.isEmpty())
        return {};
    const QSizeF size = QSizeF(plate).scaled(box.size(), Qt::KeepAspectRatio);
    return QRectF(box.center() - QPointF(size.width() / 2, size.height() / 2), size);
}

void drawPlateFace(QPainter &painter, const PrintLook &look, const PlateTexts &texts,
                   const QRectF &target) {
    if (target.isEmpty())
        return;
    const int w = look.plate.width();
    const int h = look.plate.height();
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / w, target.height() / h);
    const QRectF plate(0, 0, w, h);
    if (look.solid.isValid())
        painter.fillRect(plate, look.solid);
    else
        painter.drawImage(plate, look.background);
    if (look.plain) {
        // A faint edge shows where the plate ends on white paper.
        painter.setPen(QPen(QColor(200, 200, 200), 0));
        painter.drawRect(plate);
    }
    painter.setClipRect(plate, Qt::IntersectClip);
    drawPlateTexts(painter, look.layout, texts, w, h);
    painter.restore();
}

} // namespace delvora
