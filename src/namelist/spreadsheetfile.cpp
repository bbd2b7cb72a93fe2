#include "namelist/spreadsheetfile.h"

#include <QFileInfo>

#include "namelist/biffsheetsource.h"
#include "namelist/compounddocument.h"
#include "namelist/csvsheetsource.h"
#include "namelist/namelisttexts.h"
#include "namelist/odssheetsource.h"
#include "namelist/spreadsheettexts.h"
#include "namelist/workbookerror.h"
#include "namelist/xlsxsheetsource.h"
#include "namelist/ziparchive.h"

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
