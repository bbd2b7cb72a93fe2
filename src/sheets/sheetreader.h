#pragma once

#include <QtGlobal>

#include "sheets/cellvalue.h"
#include "sheets/workbook.h"

namespace delvora {

// The used range of a sheet from cell A1: every row and column up to the last that holds a
// cell record, formatted empty cells included.
struct SheetRange {
    int rows = 0;
    int columns = 0;
};

// Takes the cells of a sheet as SheetReader finds them.
class CellSink {
public:
    virtual ~CellSink() = default;
    // The number of rows the sheet says it uses, before its cells come; only a hint, as a
    // damaged or careless file may say anything.
    virtual void expectRows(int rows) { Q_UNUSED(rows); }
    // Every cell in the order the sheet stores them; an empty formatted cell comes as an Empty
    // value. The sink may move the value away.
    virtual void cell(int row, int column, CellValue &value) = 0;
};

// Reads the cell records of one worksheet of a workbook.
class SheetReader {
public:
    // Hands every cell of the sheet to the sink and returns the used range. Raises BiffDamage
    // when the sheet's records are damaged.
    static SheetRange read(const Workbook &workbook, const SheetEntry &sheet, CellSink &sink);
};

} // namespace delvora
