#include "sheets/spreadsheetfile.h"

#include <QFileInfo>

#include "sheets/biffsheetsource.h"
#include "sheets/compounddocument.h"
#include "sheets/csvsheetsource.h"
#include "namelist/namelisttexts.h"
#include "sheets/odssheetsource.h"
#include "sheets/spreadsheettexts.h"
#include "sheets/workbookerror.h"
#include "sheets/xlsxsheetsource.h"
#include "sheets/ziparchive.h"

namespace delvora {

std::unique_ptr<SheetSource> openSpreadsheet(QByteArray bytes, const QString &fileName) {
    if (ZipArchive::hasSignature(bytes)) {
        // An OpenDocument file names its type in its first part.
        if (OdsSheetSource::isOds(bytes))
            return std::make_unique<OdsSheetSource>(std::move(bytes));
        return std::make_unique<XlsxSheetSource>(std::move(bytes));
    }
    if (CompoundDocument::hasSignature(bytes))
        return std::make_unique<BiffSheetSource>(std::move(bytes));
    // Text has no signature: a file named as a workbook that has none is damaged, not text.
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == u"xls")
        throw WorkbookError(texts::notWorkbook());
    if (suffix == u"xlsx" || suffix == u"xlsm" || suffix == u"ods")
        throw WorkbookError(texts::notSpreadsheet());
    return std::make_unique<CsvSheetSource>(bytes);
}

} // namespace delvora
