// Feeds arbitrary bytes to one of the name list readers of the newer formats, chosen when the
// target is built (DELVORA_SHEET_FORMAT: 1 .xlsx archive, 2 .ods archive, 3 text), and checks
// that every cell handed on lies inside the used range the reader reports.
#include <cstddef>
#include <cstdint>

#include "fuzzsupport.h"
#include "sheets/celltext.h"
#include "sheets/csvsheetsource.h"
#include "sheets/odssheetsource.h"
#include "namelist/plateid.h"
#include "sheets/workbookerror.h"
#include "sheets/xlsxsheetsource.h"

using namespace delvora;

namespace {

class TextSink : public CellSink {
public:
    explicit TextSink(bool dates1904) : m_dates1904(dates1904) {}
    void cell(int row, int column, CellValue &value) override {
        if (row < 0 || column < 0 || column >= 4)
            fuzz::fail("cell outside columns A to D");
        m_nLastRow = std::max(m_nLastRow, row);
        m_nLastColumn = std::max(m_nLastColumn, column);
        m_nLength += plateIdText(cellText(std::move(value), m_dates1904)).size();
    }
    void check(const SheetRange &range) const {
        if (m_nLastRow >= range.rows || m_nLastColumn >= range.columns)
            fuzz::fail("a cell lies outside the used range");
    }

private:
    bool m_dates1904;
    int m_nLastRow = -1;
    int m_nLastColumn = -1;
    qsizetype m_nLength = 0;
};

std::unique_ptr<SheetSource> open(QByteArray bytes) {
#if DELVORA_SHEET_FORMAT == 1
    return std::make_unique<XlsxSheetSource>(std::move(bytes));
#elif DELVORA_SHEET_FORMAT == 2
    return std::make_unique<OdsSheetSource>(std::move(bytes));
#else
    return std::make_unique<CsvSheetSource>(bytes);
#endif
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    try {
        const std::unique_ptr<SheetSource> source =
            open(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
        TextSink sink(source->dates1904());
        sink.check(source->readSheet1(sink));
    } catch (const WorkbookError &) {
    }
    return 0;
}
