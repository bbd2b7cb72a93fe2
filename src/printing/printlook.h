#pragma once

#include <QImage>
#include <QRectF>
#include <QSize>

#include "layout/platelayout.h"
#include "layout/platetexts.h"

class QPainter;

namespace delvora {

// How plates look on paper: the layout and background of the plates, copied when a print is
// made so the window may change both meanwhile.
struct PrintLook {
    PlateLayout layout;
    QImage background;  // at plate size
    QSize plate;        // the plate's size in pixels
    bool plain = false; // 不打印背景: white paper, the texts keep their colours
    QColor solid;       // valid when the background is one colour, drawn as a filled rectangle

    // The look of plates with this background; a background of one colour is found out here,
    // so each page gets a rectangle instead of a picture.
    static PrintLook of(const PlateLayout &layout, const QImage &background, bool plain);
};

// Draws a plate picture into `target` (in the painter's coordinates, which may be turned):
// the background as on the plate (white when plain, with a faint edge), then the three texts as
// text through the plate renderer, so paper and plate read alike and a PDF can be searched.
void drawPlateFace(QPainter &painter, const PrintLook &look, const PlateTexts &texts,
                   const QRectF &target);

// The largest rectangle of the plate's proportions centred in `box`.
QRectF fitPlate(const QSize &plate, const QRectF &box);

} // namespace delvora
