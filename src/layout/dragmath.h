#pragma once

#include <QList>
#include <QPoint>
#include <QPointF>
#include <QRectF>

#include "layout/rowstyle.h"

namespace delvora {

// The canvas point under a point of the main window's client area, for the half-size preview
// whose top-left corner is at `previewTopLeft`. With the preview at (10, 10) this is
// (2x - 18, 2y - 18).
QPointF canvasPointAt(QPoint client, QPoint previewTopLeft);

// The first row (0, 1, 2) whose text box holds the canvas point strictly inside, or the number
// of boxes when none does.
int hitRow(const QList<QRectF> &boxes, QPointF canvasPoint);

// Moves a row by a mouse movement over the preview: two canvas pixels per preview pixel, on
// the indents that act for the row's alignment.
void dragRow(RowStyle &row, int dx, int dy);

} // namespace delvora
