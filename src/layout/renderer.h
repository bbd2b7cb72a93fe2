#pragma once

#include <QImage>
#include <QRectF>

#include "layout/platelayout.h"

class QPainter;

namespace delvora {

// Texts longer than this are cut before drawing.
constexpr int kMaxRowText = 255;

// The rectangle a row's text is formatted in, for a canvas of width w and height h. A
// left- or centre-aligned row starts at its left indent, a right-aligned one ends at w minus its
// right indent; vertically alike with the top and bottom indents. Not clipped to the canvas.
QRectF rowLayoutRect(const RowStyle &row, int w, int h);

// With 自动缩小, a text is never drawn smaller than this share of the row's size.
constexpr int kAutoFitFloorPercent = 40;

// The font a row's text is drawn with on a canvas of w×h: the row's own, or with 自动缩小 and a
// text that does not fit on one line, the largest smaller pixel size at which it fits (not
// below the floor; a text that does not fit even then gets the floor size and wraps).
QFont rowFont(const RowStyle &row, int w, int h);

// True when the row's text, drawn as DrawRow draws it, is cut at its box or at the canvas, or
// wraps onto a second line.
bool rowOverflows(const RowStyle &row, int w, int h);

// Draws one row and records its single-line text box in the row.
void drawRow(RowStyle &row, QPainter &painter, int w, int h);

// A new picture: a copy of the background with rows 0, 1 and 2 drawn on it. Null when the
// canvas has no background.
QImage renderPlate(PlateLayout &layout, const QImage &background);

// The same rendering into a picture the caller keeps: its memory is reused when it already has
// the background's size and format. A worker thread draws every plate on one such canvas.
void renderPlateOnto(PlateLayout &layout, const QImage &background, QImage &picture);

} // namespace delvora
