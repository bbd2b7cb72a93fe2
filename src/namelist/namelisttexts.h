#pragma once

#include <QCoreApplication>
#include <QString>

// What the name list and the workbook reader say to the operator.
namespace delvora::texts {

// The file dialog's one filter entry ("text|patterns||"); the shown text is kept as it always
// was.
inline QString workbookFilter() {
    return QCoreApplication::translate("namelisttexts", "Eexel 97-2003工作簿(*.xls)|*.xls||");
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

} // namespace delvora::texts
