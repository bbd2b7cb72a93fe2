#include "sheets/biffsheetsource.h"

#include "sheets/biffrecordstream.h"
#include "sheets/compounddocument.h"
#include "namelist/namelisttexts.h"
#include "sheets/workbookerror.h"

namespace delvora {

QByteArray BiffSheetSource::workbookStream(QByteArray file) {
    const CompoundDocument document(std::move(file));
    // Excel 97 and later name the stream "Workbook", Excel 95 "Book".
    std::optional<QByteArray> stream = document.stream(u"Workbook");
    if (!stream)
        stream = document.stream(u"Book");
    if (stream)
        return std::move(*stream);
    // A password-protected .xlsx travels inside a compound document.
    if (document.stream(u"EncryptedPackage"))
        throw WorkbookError(texts::encrypted());
    throw WorkbookError(texts::noWorkbookStream());
}

BiffSheetSource::BiffSheetSource(QByteArray file) : m_workbook(workbookStream(std::move(file))) {}

SheetRange BiffSheetSource::readSheet1(CellSink &sink) {
    const SheetEntry *sheet = m_workbook.findWorksheet(u"Sheet1");
    if (!sheet)
        throw WorkbookError(texts::noSheet());
    try {
        return SheetReader::read(m_workbook, *sheet, sink);
    } catch (const BiffDamage &) {
        throw WorkbookError(texts::damagedSheet());
    }
}

} // namespace delvora
