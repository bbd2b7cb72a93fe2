// Feeds arbitrary bytes to the workbook reader: as a whole file when they start like a
// compound document, otherwise as a bare workbook stream, so the record parsers are reached
// without the container in the way.
#include <cstddef>
#include <cstdint>

#include "sheets/biffrecordstream.h"
#include "sheets/celltext.h"
#include "sheets/compounddocument.h"
#include "namelist/plateid.h"
#include "sheets/sheetreader.h"
#include "sheets/workbook.h"
#include "sheets/workbookerror.h"

using namespace delvora;

namespace {

class TextSink : public CellSink {
public:
    explicit TextSink(bool dates1904) : m_dates1904(dates1904) {}
    void expectRows(int rows) override { m_nRows = rows; }
    void cell(int, int, CellValue &value) override {
        m_nLength += plateIdText(cellText(std::move(value), m_dates1904)).size();
    }

private:
    bool m_dates1904;
    int m_nRows = 0;
    qsizetype m_nLength = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    try {
        std::optional<QByteArray> stream = bytes;
        if (CompoundDocument::hasSignature(bytes)) {
            const CompoundDocument document(bytes);
            stream = document.stream(u"Workbook");
            if (!stream)
                stream = document.stream(u"Book");
            if (!stream)
                return 0;
        }
        const Workbook workbook(std::move(*stream));
        for (const SheetEntry &sheet : workbook.sheets()) {
            TextSink sink(workbook.dates1904());
            try {
                SheetReader::read(workbook, sheet, sink);
            } catch (const BiffDamage &) {
            }
        }
    } catch (const WorkbookError &) {
    }
    return 0;
}
