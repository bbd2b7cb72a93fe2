#pragma once

#include "sheets/sheetsource.h"
#include "sheets/xlsxpackage.h"

namespace delvora {

// An Office Open XML workbook (.xlsx, .xlsm): the sheet's cells streamed from its part.
class XlsxSheetSource : public SheetSource {
public:
    // Raises WorkbookError as XlsxPackage does.
    explicit XlsxSheetSource(QByteArray file) : m_package(std::move(file)) {}

    bool dates1904() const override { return m_package.dates1904(); }
    SheetRange readSheet1(CellSink &sink) override;

    // The zero-based row and column of a reference like "B7"; false when it is no reference
    // or lies past XFD1048576.
    static bool parseReference(QStringView ref, int &row, int &column);

private:
    XlsxPackage m_package;
};

} // namespace delvora
