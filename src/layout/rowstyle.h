#pragma once

#include <QColor>
#include <QFont>

namespace delvora {

// The face of a row whose font cannot be read: the default font record's ("宋体", the default
// size, normal weight).
QFont defaultRowFont();

// How one text row of the plate picture looks. Its text comes from the entry being drawn.
struct RowStyle {
    QFont font = defaultRowFont(); // sizes are pixels on the plate
    QColor color{255, 255, 0};
    int alignH = 1; // 0 left, 1 centre, 2 right
    int alignV = 1; // 0 top, 1 centre, 2 bottom
    int indentLeft = 0;
    int indentTop = 0;
    int indentRight = 0;
    int indentBottom = 0;
    bool autoFit = false; // 自动缩小: a text too long for the box is drawn smaller

    bool operator==(const RowStyle &) const = default;
};

} // namespace delvora
