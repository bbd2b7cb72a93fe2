#pragma once

#include <QCoreApplication>
#include <QString>

// What printing says to the operator.
namespace delvora::texts {

inline QString nothingToPrint() {
    return QCoreApplication::translate("printtexts", "名单为空，没有可打印的内容。");
}
// `path` is the file chosen for the PDF.
inline QString cannotWritePdf(const QString &path) {
    return QCoreApplication::translate("printtexts", "无法写入文件“%1”。").arg(path);
}
inline QString pdfFilter() {
    return QCoreApplication::translate("printtexts", "PDF 文件(*.pdf)|*.pdf||");
}
inline QString tableCardsFile() {
    return QCoreApplication::translate("printtexts", "桌签.pdf");
}
inline QString checkSheetFile() {
    return QCoreApplication::translate("printtexts", "检查表.pdf");
}

} // namespace delvora::texts
