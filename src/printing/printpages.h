#pragma once

#include <QPageLayout>
#include <QSizeF>
#include <functional>

class QPagedPaintDevice;
class QPainter;

namespace delvora {

// A document to print: how many pages it has on paper of a size, and each page painted on a
// painter whose unit is one millimetre with the origin at the paper's corner. Painting reads
// only what the document copied when it was made, so a worker thread may paint it.
class PrintPages {
public:
    virtual ~PrintPages() = default;
    virtual int pageCount(const QSizeF &paperMm) const = 0;
    virtual void paintPage(QPainter &painter, const QSizeF &paperMm, int page) const = 0;
};

// Called after each page with the pages done and the total; false stops the print.
using PageProgress = std::function<bool(int done, int total)>;

// Paints every page of `pages` on `device`, whose page layout gives the paper; the device's
// own margins are ignored (the document keeps its margins itself). False when the painter
// could not start on the device or `progress` stopped it.
bool printPages(const PrintPages &pages, QPagedPaintDevice &device,
                const PageProgress &progress = {});

// The paper a device prints on, in millimetres, turned as its orientation says.
QSizeF paperMm(const QPageLayout &layout);

} // namespace delvora
