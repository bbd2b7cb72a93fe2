#pragma once

#include <array>

#include "layout/rowstyle.h"

namespace delvora {

// How a plate picture looks: three text rows (organisation, name, title) and the background
// colour. The canvas size lives with the pictures (PlateCanvas).
struct PlateLayout {
    static constexpr int kRows = 3;
    int32_t rowCount = kRows;
    std::array<RowStyle, kRows> rows;
    ColorRef backColor = makeRgb(255, 0, 0);

    // Reads the layout from the two files in the working folder, in the order the program has
    // always used: background colour, canvas size, fonts, then each row's alignment, indents
    // and colour. Missing files or keys give the defaults.
    void load(int32_t &canvasWidth, int32_t &canvasHeight);

    // Writes every row's indents; used when the main window closes.
    void saveIndents() const;

    // Gives the rows the three texts of one name entry.
    void setTexts(const QString &organisation, const QString &name, const QString &title);
};

} // namespace delvora
