#pragma once

#include <QString>
#include <QStringList>

// What the name list and the workbook reader say to the operator.
namespace delvora::texts {

// The file dialog's one filter entry ("text|patterns||"); the shown text is kept as it always
// was.
inline QString workbookFilter() {
    return QStringLiteral("Eexel 97-2003工作簿(*.xls)|*.xls||");
}

inline QString openFailed() {
    return QStringLiteral("打开Excel文档失败！");
}
// Followed directly by the reason.
inline QString openError() {
    return QStringLiteral("打开Excel过程出错！");
}

// Reasons a file is not a readable workbook.
inline QString notWorkbook() {
    return QStringLiteral("文件不是Excel 97-2003工作簿。");
}
inline QString damagedContainer() {
    return QStringLiteral("工作簿文件已损坏。");
}
inline QString noWorkbookStream() {
    return QStringLiteral("文件中没有工作簿数据。");
}
inline QString unsupportedVersion() {
    return QStringLiteral("不支持此Excel版本，只能读取Excel 95和97-2003工作簿。");
}
inline QString encrypted() {
    return QStringLiteral("工作簿有密码保护，无法读取。");
}
inline QString damagedWorkbook() {
    return QStringLiteral("工作簿数据已损坏。");
}

// Errors while reading the rows.
inline QString noSheet() {
    return QStringLiteral("找不到工作表“Sheet1”。");
}
inline QString tooFewColumns() {
    return QStringLiteral("工作表“Sheet1”少于4列。");
}
inline QString damagedSheet() {
    return QStringLiteral("工作表“Sheet1”的数据已损坏。");
}
inline QString notOpen() {
    return QStringLiteral("没有打开的工作簿。");
}

// Headings of the name list's columns.
inline QString headingSeq() {
    return QStringLiteral("序号");
}
inline QString headingId() {
    return QStringLiteral("ID");
}
inline QString headingOrganisation() {
    return QStringLiteral("单位名称");
}
inline QString headingName() {
    return QStringLiteral("名字");
}
inline QString headingTitle() {
    return QStringLiteral("职位");
}

// The mark of an entry whose text overflows: bit i stands for row i+1 ("第1、3行…").
inline QString overflowMark(quint8 rows) {
    QStringList numbers;
    for (int r = 0; r < 8; ++r)
        if (rows & (1u << r))
            numbers << QString::number(r + 1);
    return QStringLiteral("第%1行文字超出显示区域").arg(numbers.join(u'、'));
}
// Asked before pictures are sent while entries are marked.
inline QString overflowQuestion(int entries) {
    return QStringLiteral("有%1个名单的文字超出显示区域，是否继续？").arg(entries);
}

} // namespace delvora::texts
