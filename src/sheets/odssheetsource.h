#pragma once

#include <QByteArray>

#include "sheets/sheetsource.h"
#include "sheets/ziparchive.h"

namespace delvora {

// An OpenDocument spreadsheet (.ods): the rows and cells of the table in content.xml, streamed,
// with repeated rows and columns expanded only where they hold something.
class OdsSheetSource : public SheetSource {
public:
    // Raises WorkbookError when the archive is damaged or has no content part.
    explicit OdsSheetSource(QByteArray file);

    SheetRange readSheet1(CellSink &sink) override;

    // Whether a zip archive says it is an OpenDocument spreadsheet.
    static bool isOds(const QByteArray &file);

private:
    ZipArchive m_archive;
};

} // namespace delvora
