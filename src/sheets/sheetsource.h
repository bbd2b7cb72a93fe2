#pragma once

#include "sheets/sheetreader.h"

namespace delvora {

// One opened spreadsheet file, whatever its format: it hands the cells of its sheet "Sheet1"
// to a sink as one cell model, so the name list and the address export read every format
// through the same cell rules.
class SheetSource {
public:
    virtual ~SheetSource() = default;

    // Whether date serial numbers count from 1904 (see DateText).
    virtual bool dates1904() const { return false; }
    // Hands every cell of the sheet named Sheet1 (compared without regard to case) to the
    // sink and returns the used range. Raises WorkbookError with the reason when there is no
    // such sheet or it is damaged.
    virtual SheetRange readSheet1(CellSink &sink) = 0;
};

} // namespace delvora
