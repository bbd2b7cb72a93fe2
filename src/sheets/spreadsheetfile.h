#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

#include "sheets/sheetsource.h"

namespace delvora {

// Opens a spreadsheet file's bytes with the reader its content calls for: a zip archive as
// .xlsx or .ods, a compound document as .xls, and anything else as delimited text, unless its
// name promises a workbook. Raises WorkbookError with the reason when it cannot be read.
std::unique_ptr<SheetSource> openSpreadsheet(QByteArray bytes, const QString &fileName);

} // namespace delvora
