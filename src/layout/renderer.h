#pragma once

#include <QFont>
#include <QImage>
#include <QRectF>

#include "layout/platelayout.h"
#include "layout/platetexts.h"

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

// The font `text` is drawn with in this row on a canvas of w×h: the row's own, or with 自动缩小
// and a text that does not fit on one line, the largest smaller pixel size at which it fits (not
// below the floor; a text that does not fit even then gets the floor size and wraps).
QFont rowFont(const RowStyle &row, const QString &text, int w, int h);

// True when the text, drawn in this row as drawRow draws it, is cut at its box or at the
// canvas, or wraps onto a second line.
bool rowOverflows(const RowStyle &row, const QString &text, int w, int h);

// Where the text stands in this row unwrapped, placed by the row's alignment and indents: what
// the mouse grabs in the preview. Empty for an empty text.
QRectF rowTextBox(const RowStyle &row, const QString &text, int w, int h);

// Draws one row's text on a painter whose coordinates are the plate's pixels.
void drawRow(const RowStyle &row, const QString &text, QPainter &painter, int w, int h);

// Draws the three rows' texts, as on a plate of w×h, on any painter (a picture, a printer):
// the one place that says how a plate's texts look.
void drawPlateTexts(QPainter &painter, const PlateLayout &layout, const PlateTexts &texts, int w,
                    int h);

// A new picture: a copy of the background with the three texts drawn on it. Null when there is
// no background.
QImage renderPlate(const PlateLayout &layout, const QImage &background, const PlateTexts &texts);

// The same rendering into a picture the caller keeps: its memory is reused when it already has
// the background's size and format. A worker thread draws every plate on one such canvas.
void renderPlateOnto(const PlateLayout &layout, const QImage &background, const PlateTexts &texts,
                     QImage &picture);

} // namespace delvora
