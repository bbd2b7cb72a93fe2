#pragma once

#include <QCoreApplication>
#include <QString>

// Reasons the .xlsx, .ods and text readers give for a file they cannot read; shown after
// "打开Excel过程出错！" when the file cannot be opened, alone when its sheet is damaged.
namespace delvora::texts {

inline QString notSpreadsheet() {
    return QCoreApplication::translate("spreadsheettexts",
                                       "文件不是可读取的表格（.xls、.xlsx、.ods或.csv）。");
}
inline QString damagedArchive() {
    return QCoreApplication::translate("spreadsheettexts", "压缩包已损坏或不完整。");
}
inline QString missingPart(const QString &part) {
    return QCoreApplication::translate("spreadsheettexts", "文件中缺少“%1”。").arg(part);
}
inline QString partTooLarge(const QString &part) {
    return QCoreApplication::translate("spreadsheettexts", "“%1”解压后过大，可能是恶意文件。")
        .arg(part);
}
inline QString damagedPart(const QString &part) {
    return QCoreApplication::translate("spreadsheettexts", "“%1”已损坏。").arg(part);
}
inline QString xmlDeclarations(const QString &part) {
    return QCoreApplication::translate("spreadsheettexts", "“%1”含有文档类型或实体声明，拒绝读取。")
        .arg(part);
}
inline QString xmlTooDeep(const QString &part) {
    return QCoreApplication::translate("spreadsheettexts", "“%1”的嵌套层次过深。").arg(part);
}
inline QString xmlMalformed(const QString &part, const QString &detail) {
    return QCoreApplication::translate("spreadsheettexts", "“%1”不是正确的XML：%2")
        .arg(part, detail);
}
inline QString badCellReference(const QString &ref) {
    return QCoreApplication::translate("spreadsheettexts", "工作表“Sheet1”中的单元格位置“%1”无效。")
        .arg(ref);
}
inline QString badCellValue(const QString &ref) {
    return QCoreApplication::translate("spreadsheettexts", "工作表“Sheet1”中单元格“%1”的值无效。")
        .arg(ref);
}
inline QString badSharedString(const QString &ref) {
    return QCoreApplication::translate("spreadsheettexts",
                                       "工作表“Sheet1”中单元格“%1”引用的共享字符串不存在。")
        .arg(ref);
}
inline QString countMismatch(const QString &part) {
    return QCoreApplication::translate("spreadsheettexts", "“%1”声明的数目与内容不符。").arg(part);
}
inline QString tooManyRows() {
    return QCoreApplication::translate("spreadsheettexts", "工作表“Sheet1”超过1048576行。");
}
inline QString csvOpenQuote(int line) {
    return QCoreApplication::translate("spreadsheettexts", "文本文件第%1行的引号没有结束。")
        .arg(line);
}
inline QString csvNul(int line) {
    return QCoreApplication::translate("spreadsheettexts", "文本文件第%1行含有空字符（NUL）。")
        .arg(line);
}
inline QString csvLongLine(int line) {
    return QCoreApplication::translate("spreadsheettexts", "文本文件第%1行过长。").arg(line);
}
inline QString csvMixedEncoding() {
    return QCoreApplication::translate("spreadsheettexts", "文本文件混用了UTF-8和GBK编码。");
}
inline QString csvBadEncoding() {
    return QCoreApplication::translate("spreadsheettexts",
                                       "文本文件的编码无法识别（只能读取UTF-8、UTF-16和GBK）。");
}

} // namespace delvora::texts
