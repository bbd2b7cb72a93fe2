#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// What the name list and the workbook reader say to the operator.
namespace delvora::texts {

// The file dialog's filter entries ("text|patterns|...||"): every format a name list is read
// from, then the .xls entry whose shown text is kept as it always was.
inline QString workbookFilter() {
    return QCoreApplication::translate("namelisttexts",
                                       "名单文件 (*.xls *.xlsx *.xlsm *.ods *.csv *.txt)|"
                                       "*.xls;*.xlsx;*.xlsm;*.ods;*.csv;*.txt|"
                                       "Eexel 97-2003工作簿(*.xls)|*.xls||");
}

inline QString openFailed() {
    return QCoreApplication::translate("namelisttexts", "打开Excel文档失败！");
}
// Followed directly by the reason.
inline QString openError() {
    return QCoreApplication::translate("namelisttexts", "打开Excel过程出错！");
}

// Reasons a file is not a readable workbook.
inline QString notWorkbook() {
    return QCoreApplication::translate("namelisttexts", "文件不是Excel 97-2003工作簿。");
}
inline QString damagedContainer() {
    return QCoreApplication::translate("namelisttexts", "工作簿文件已损坏。");
}
inline QString noWorkbookStream() {
    return QCoreApplication::translate("namelisttexts", "文件中没有工作簿数据。");
}
inline QString unsupportedVersion() {
    return QCoreApplication::translate("namelisttexts",
                                       "不支持此Excel版本，只能读取Excel 95和97-2003工作簿。");
}
inline QString encrypted() {
    return QCoreApplication::translate("namelisttexts", "工作簿有密码保护，无法读取。");
}
inline QString damagedWorkbook() {
    return QCoreApplication::translate("namelisttexts", "工作簿数据已损坏。");
}

// Errors while reading the rows.
inline QString noSheet() {
    return QCoreApplication::translate("namelisttexts", "找不到工作表“Sheet1”。");
}
inline QString tooFewColumns() {
    return QCoreApplication::translate("namelisttexts", "工作表“Sheet1”少于4列。");
}
inline QString damagedSheet() {
    return QCoreApplication::translate("namelisttexts", "工作表“Sheet1”的数据已损坏。");
}
inline QString notOpen() {
    return QCoreApplication::translate("namelisttexts", "没有打开的工作簿。");
}

// Headings of the name list's columns.
inline QString headingSeq() {
    return QCoreApplication::translate("namelisttexts", "序号");
}
inline QString headingId() {
    return QStringLiteral("ID");
}
inline QString headingOrganisation() {
    return QCoreApplication::translate("namelisttexts", "单位名称");
}
inline QString headingName() {
    return QCoreApplication::translate("namelisttexts", "名字");
}
inline QString headingTitle() {
    return QCoreApplication::translate("namelisttexts", "职位");
}

// Warnings on a plate ID, shown as the ID cell's tooltip and accessible text.
inline QString idEmpty() {
    return QCoreApplication::translate("namelisttexts", "ID为空");
}
inline QString idOutOfRange() {
    return QCoreApplication::translate("namelisttexts", "ID超出范围 0-9999");
}
// `row` is the 序号 of the other entry.
inline QString idDuplicate(int row) {
    return QCoreApplication::translate("namelisttexts", "与第%1行ID重复").arg(row);
}

// Editing the list; an import is an undo step of its own, named as its button.
inline QString importList() {
    return QCoreApplication::translate("namelisttexts", "打开表格");
}
inline QString addEntry() {
    return QCoreApplication::translate("namelisttexts", "添加");
}
inline QString removeEntries() {
    return QCoreApplication::translate("namelisttexts", "删除");
}
inline QString swapSeats() {
    return QCoreApplication::translate("namelisttexts", "交换座位");
}
inline QString moveUp() {
    return QCoreApplication::translate("namelisttexts", "上移");
}
inline QString moveDown() {
    return QCoreApplication::translate("namelisttexts", "下移");
}
inline QString undo() {
    return QCoreApplication::translate("namelisttexts", "撤销");
}
inline QString redo() {
    return QCoreApplication::translate("namelisttexts", "重做");
}
inline QString saveList() {
    return QCoreApplication::translate("namelisttexts", "保存名单");
}
inline QString saveListAs() {
    return QCoreApplication::translate("namelisttexts", "另存为");
}
inline QString confirmRemove(int count) {
    return QCoreApplication::translate("namelisttexts", "确定删除选中的%1条名单吗？").arg(count);
}
inline QString unsavedChanges() {
    return QCoreApplication::translate("namelisttexts", "名单已修改，是否保存？");
}
// Followed directly by the reason.
inline QString saveFailed() {
    return QCoreApplication::translate("namelisttexts", "保存名单失败：");
}
// The save dialog's two file types; the chosen one decides the format.
inline QString saveFilter() {
    return QCoreApplication::translate(
        "namelisttexts", "Excel 工作簿(*.xlsx)|*.xlsx|CSV UTF-8(逗号分隔)(*.csv)|*.csv||");
}
// The name offered for a list that has no file of its own yet.
inline QString untitledList() {
    return QCoreApplication::translate("namelisttexts", "名单.xlsx");
}

// The mark of an entry whose text overflows: bit i stands for row i+1 ("第1、3行…").
inline QString overflowMark(quint8 rows) {
    QStringList numbers;
    for (int r = 0; r < 8; ++r)
        if (rows & (1u << r))
            numbers << QString::number(r + 1);
    return QCoreApplication::translate("namelisttexts", "第%1行文字超出显示区域")
        .arg(numbers.join(
            QCoreApplication::translate("namelisttexts", "、", "between row numbers")));
}
// Asked before pictures are sent while entries are marked.
inline QString overflowQuestion(int entries) {
    return QCoreApplication::translate("namelisttexts", "有%1个名单的文字超出显示区域，是否继续？")
        .arg(entries);
}

} // namespace delvora::texts
