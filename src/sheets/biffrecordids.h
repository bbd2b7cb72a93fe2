#pragma once

#include <cstdint>

namespace delvora::biff {

// The record identifiers the reader acts on; every other record is skipped.
enum RecordId : uint16_t {
    kBof = 0x0809,
    kEof = 0x000A,
    // workbook globals
    kFilePass = 0x002F,
    kCodePage = 0x0042,
    kDateMode = 0x0022,
    kBoundSheet = 0x0085,
    kSst = 0x00FC,
    kFormat = 0x041E,
    kXf = 0x00E0,
    // cells
    kDimensions = 0x0200,
    kFormula = 0x0006,
    kString = 0x0207,
    kNumber = 0x0203,
    kRk = 0x027E,
    kMulRk = 0x00BD,
    kLabelSst = 0x00FD,
    kLabel = 0x0204,
    kRString = 0x00D6,
    kBoolErr = 0x0205,
    kBlank = 0x0201,
    kMulBlank = 0x00BE,
};

// Kinds of substream a BOF record opens.
enum BofKind : uint16_t { kGlobals = 0x0005, kWorksheet = 0x0010 };

} // namespace delvora::biff
