#include "printing/printpages.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace delvora {

QSizeF paperMm(const QPageLayout &layout) {
    return layout.fullRect(QPageLayout::Millimeter).size();
}

bool printPages(const PrintPages &pages, QPagedPaintDevice &device, const PageProgress &progress) {
    const QSizeF paper = paperMm(device.pageLayout());
    const int count = pages.pageCount(paper);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // The painter's origin is where the device's margins begin; the pages are laid out on the
    // whole sheet.
    const QRectF paint = device.pageLayout().paintRect(QPageLayout::Millimeter);
    const qreal scale = device.width() / paint.width();
    for (int page = 0; page < count; ++page) {
        if (page > 0 && !device.newPage()) {
            painter.end();
            return false;
        }
        painter.save();
        painter.scale(scale, scale);
        painter.translate(-paint.topLeft());
        pages.paintPage(painter, paper, page);
        painter.restore();
        if (progress && !progress(page + 1, count)) {
            painter.end();
            return false;
        }
    }
    return painter.end();
}

} // namespace delvora
