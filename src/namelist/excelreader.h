#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <memory>

#include "namelist/addressrecord.h"

namespace delvora {

class NameList;
class SheetSource;

// Reads the rows of sheet "Sheet1" of a name list, whatever format it arrives in (.xls,
// .xlsx/.xlsm, .ods, .csv/.txt; see OpenSpreadsheet): the first row holds
// headings and is skipped, columns A to D are taken by position and every cell arrives as
// text. The main window keeps one reader and opens it afresh for every command; every read
// ends by closing the workbook again.
class CExcelReader {
public:
    using AddressConsumer = std::function<void(const AddressRecord &)>;

    CExcelReader();
    ~CExcelReader();
    CExcelReader(const CExcelReader &) = delete;
    CExcelReader &operator=(const CExcelReader &) = delete;

    // Opens the workbook file; false with the error text set when it cannot be read at all
    // ("打开Excel文档失败！") or is not a readable workbook ("打开Excel过程出错！" and the
    // reason).
    bool OpenWorkbook(const QString &path);
    // The reason of the last failed OpenWorkbook.
    QString GetErrorText() const { return m_strError; }

    // Appends one entry per data row to the list and closes the workbook. Raises
    // WorkbookError when there is no sheet "Sheet1", it has fewer than four columns or it is
    // damaged; entries appended before the error stay, the workbook is closed all the same.
    bool ReadNameList(NameList &list);
    // Hands one record per data row to the consumer, each before the next row is taken, and
    // closes the workbook. Raises WorkbookError as ReadNameList does.
    bool ReadAddressRows(const AddressConsumer &consumer);

    // Closes the workbook when it is open.
    void CloseWorkbook();
    bool IsOpen() const { return m_pSource != nullptr; }

private:
    // Reads the data rows of "Sheet1" into one record each and closes the workbook; returns
    // the width of the sheet's used range.
    template <typename Record> int ReadSheet1(QList<Record> &records);

    QString m_strError;
    std::unique_ptr<SheetSource> m_pSource; // the open file; null when closed
};

} // namespace delvora
