#pragma once

#include <functional>

#include "namelist/cellvalue.h"
#include "namelist/workbook.h"

namespace delvora {

// The used range of a sheet from cell A1: every row and column up to the last that holds a
// cell record, formatted empty cells included.
struct SheetRange {
    int rows = 0;
    int columns = 0;
};

// Reads the cell records of one worksheet of a workbook.
class SheetReader {
public:
    // Called for every cell in the order the sheet stores them; an empty formatted cell comes
    // as an Empty value.
    using CellSink = std::function<void(int row, int column, const CellValue &value)>;

    // Hands every cell of the sheet to the sink and returns the used range. Raises BiffDamage
    // when the sheet's records are damaged.
    static SheetRange read(const Workbook &workbook, const SheetEntry &sheet, const CellSink &sink);
};

} // namespace delvora
