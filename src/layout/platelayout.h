#pragma once

#include <QSize>
#include <array>

#include "layout/rowstyle.h"

namespace delvora {

// How a plate picture looks: three text rows (organisation, name, title) and the background
// colour. It holds the style only; the texts of an entry go into each drawing.
struct PlateLayout {
    static constexpr int kRows = 3;
    std::array<RowStyle, kRows> rows;
    QColor backColor{255, 0, 0};

    bool operator==(const PlateLayout &) const = default;
};

// Reads the layout from "./Settings.ini" and "fontSetting.dat" in the working folder, in the
// order the program has always used: background colour, plate size, fonts, then each row's
// alignment, indents and colour. Missing files or keys give the defaults. The plate size goes
// to `plateSize` as the file has it.
PlateLayout readLayout(QSize &plateSize);

// Makes the layout files hold this layout and plate size, writing each group of keys (and each
// font record) as the editing commands write it, and only where the files hold something else;
// an older installation started in the same folder then draws the same plates. Nothing is
// written to a font file that does not exist.
void writeLayout(const PlateLayout &layout, QSize plateSize);

// Writes every row's indents (indents changed by dragging are kept when the window closes).
void writeIndents(const PlateLayout &layout);

} // namespace delvora
