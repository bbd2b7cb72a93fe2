#pragma once

#include <QByteArray>

#include "sheets/sheetsource.h"
#include "sheets/workbook.h"

namespace delvora {

// An Excel 95 or 97-2003 workbook (.xls) in its compound document.
class BiffSheetSource : public SheetSource {
public:
    // Reads the container and the workbook globals. Raises WorkbookError when the file is not
    // such a workbook, is damaged or encrypted.
    explicit BiffSheetSource(QByteArray file);

    bool dates1904() const override { return m_workbook.dates1904(); }
    SheetRange readSheet1(CellSink &sink) override;

private:
    static QByteArray workbookStream(QByteArray file);

    Workbook m_workbook;
};

} // namespace delvora
