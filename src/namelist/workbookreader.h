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
class WorkbookReader {
public:
    using AddressConsumer = std::function<void(const AddressRecord &)>;

    WorkbookReader();
    ~WorkbookReader();
    WorkbookReader(const WorkbookReader &) = delete;
    WorkbookReader &operator=(const WorkbookReader &) = delete;

    // Opens the workbook file; false with the error text set when it cannot be read at all
    // ("打开Excel文档失败！") or is not a readable workbook ("打开Excel过程出错！" and the
    // reason).
    bool openWorkbook(const QString &path);
    // The reason of the last failed OpenWorkbook.
    QString getErrorText() const { return m_error; }

    // Appends one entry per data row to the list and closes the workbook. Raises
    // WorkbookError when there is no sheet "Sheet1", it has fewer than four columns or it is
    // damaged; entries appended before the error stay, the workbook is closed all the same.
    bool readNameList(NameList &list);
    // Hands one record per data row to the consumer, each before the next row is taken, and
    // closes the workbook. Raises WorkbookError as ReadNameList does.
    bool readAddressRows(const AddressConsumer &consumer);

    // Closes the workbook when it is open.
    void closeWorkbook();
    bool isOpen() const { return m_source != nullptr; }

private:
    // Reads the data rows of "Sheet1" into one record each and closes the workbook; returns
    // the width of the sheet's used range.
    template <typename Record> int readSheet1(QList<Record> &records);

    QString m_error;
    std::unique_ptr<SheetSource> m_source; // the open file; null when closed
};

} // namespace delvora
