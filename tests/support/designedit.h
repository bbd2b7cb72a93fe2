#pragma once

#include "layout/platedesign.h"

namespace delvora::test {

// Changes one row of a design as the editing controls would, without going through them.
template <typename Change> void editRow(PlateDesign &design, int index, Change change) {
    RowStyle row = design.row(index);
    change(row);
    design.setRow(index, row);
}

} // namespace delvora::test
