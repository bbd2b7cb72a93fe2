#include "sheets/sheetreader.h"

#include <cstring>

#include "sheets/biffcursor.h"
#include "sheets/biffrecordids.h"

namespace delvora {

using namespace biff;

namespace {

constexpr uint32_t kMaxRows = 65536;

// An RK value: 30 significant bits, either an integer or the high bits of a double, and
// possibly to be divided by 100.
double rkValue(uint32_t rk) {
    double value;
    if (rk & 0x02) {
        value = double(int32_t(rk) >> 2);
    } else {
        const uint64_t bits = uint64_t(rk & 0xFFFFFFFC) << 32;
        std::memcpy(&value, &bits, sizeof value);
    }
    return rk & 0x01 ? value / 100 : value;
}

class SheetScan {
public:
    SheetScan(const Workbook &workbook, CellSink &sink) : m_workbook(workbook), m_sink(sink) {}

    void record(const BiffRecord &r);
    void flushPendingString() {
        if (m_nPendingRow >= 0)
            put(m_nPendingRow, m_nPendingColumn, CellValue::ofText({}));
        m_nPendingRow = -1;
    }
    SheetRange range() const { return m_range; }

private:
    void put(int row, int column, CellValue value) {
        m_range.rows = std::max(m_range.rows, row + 1);
        m_range.columns = std::max(m_range.columns, column + 1);
        m_sink.cell(row, column, value);
    }
    CellValue number(double value, uint16_t xf) const {
        return CellValue::ofNumber(value, m_workbook.isDateXf(xf));
    }
    void formula(BiffCursor &c, int row, int column, uint16_t xf);
    void dimensions(BiffCursor &c) {
        // First used row, then the row after the last.
        const bool biff8 = m_workbook.biffVersion() == 8;
        if (biff8)
            c.u32();
        else
            c.u16();
        const uint32_t end = biff8 ? c.u32() : c.u16();
        m_sink.expectRows(int(std::min<uint32_t>(end, kMaxRows)));
    }

    const Workbook &m_workbook;
    CellSink &m_sink;
    SheetRange m_range;
    // The cell of a formula whose string result follows in a STRING record; row -1 when none.
    int m_nPendingRow = -1;
    int m_nPendingColumn = 0;
};

void SheetScan::formula(BiffCursor &c, int row, int column, uint16_t xf) {
    uint8_t result[8];
    for (uint8_t &b : result)
        b = c.u8();
    if (result[6] != 0xFF || result[7] != 0xFF) {
        double value;
        std::memcpy(&value, result, sizeof value);
        put(row, column, number(value, xf));
        return;
    }
    switch (result[0]) {
    case 0:
        m_nPendingRow = row;
        m_nPendingColumn = column;
        break;
    case 1:
        put(row, column, {CellValue::Type::Boolean, double(result[2] != 0), {}});
        break;
    case 2:
        put(row, column, {CellValue::Type::Error, double(result[2]), {}});
        break;
    default:
        put(row, column, CellValue::ofText({}));
        break;
    }
}

void SheetScan::record(const BiffRecord &r) {
    BiffCursor c(m_workbook.stream(), r);
    if (r.id == kString) {
        if (m_nPendingRow >= 0)
            put(m_nPendingRow, m_nPendingColumn, CellValue::ofText(m_workbook.readString(c, 2)));
        m_nPendingRow = -1;
        return;
    }
    switch (r.id) {
    case kDimensions:
        dimensions(c);
        return;
    case kFormula:
    case kNumber:
    case kRk:
    case kMulRk:
    case kLabelSst:
    case kLabel:
    case kRString:
    case kBoolErr:
    case kBlank:
    case kMulBlank:
        // A string result comes right after its formula or not at all.
        flushPendingString();
        break;
    default:
        return;
    }

    const int row = c.u16();
    const int column = c.u16();
    if (r.id == kMulRk || r.id == kMulBlank) {
        // Repeated (format, value) pairs, then the last column.
        const qsizetype each = r.id == kMulRk ? 6 : 2;
        const qsizetype body = r.data.size() - 6;
        if (body < each || body % each != 0)
            throw BiffDamage{};
        for (qsizetype i = 0; i < body / each; ++i) {
            const uint16_t xf = c.u16();
            put(row, column + int(i), r.id == kMulRk ? number(rkValue(c.u32()), xf) : CellValue{});
        }
        return;
    }

    const uint16_t xf = c.u16();
    switch (r.id) {
    case kFormula:
        formula(c, row, column, xf);
        break;
    case kNumber:
        put(row, column, number(c.f64(), xf));
        break;
    case kRk:
        put(row, column, number(rkValue(c.u32()), xf));
        break;
    case kLabelSst: {
        const QString *text = m_workbook.sharedString(c.u32());
        if (!text)
            throw BiffDamage{};
        put(row, column, CellValue::ofShared(text));
        break;
    }
    case kLabel:
    case kRString:
        put(row, column, CellValue::ofText(m_workbook.readString(c, 2)));
        break;
    case kBoolErr: {
        const uint8_t value = c.u8();
        const bool isError = c.u8() != 0;
        put(row, column,
            {isError ? CellValue::Type::Error : CellValue::Type::Boolean, double(value), {}});
        break;
    }
    case kBlank:
        put(row, column, CellValue{});
        break;
    default:
        break;
    }
}

} // namespace

SheetRange SheetReader::read(const Workbook &workbook, const SheetEntry &sheet, CellSink &sink) {
    BiffRecordStream records(workbook.stream(), sheet.offset);
    BiffRecord r;
    if (!records.next(r) || r.id != kBof || r.data.size() < 4)
        throw BiffDamage{};
    {
        BiffCursor bof(workbook.stream(), r);
        bof.u16();
        if (bof.u16() != kWorksheet)
            throw BiffDamage{};
    }

    SheetScan scan(workbook, sink);
    // Embedded charts bring their own BOF ... EOF inside the sheet.
    int depth = 1;
    while (records.next(r)) {
        if (r.id == kBof) {
            ++depth;
        } else if (r.id == kEof) {
            if (--depth == 0) {
                scan.flushPendingString();
                return scan.range();
            }
        } else if (depth == 1) {
            scan.record(r);
        }
    }
    throw BiffDamage{};
}

} // namespace delvora
