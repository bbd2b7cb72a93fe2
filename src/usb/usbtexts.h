#pragma once

#include <QCoreApplication>
#include <QString>

// What the USB drive commands say to the operator.
namespace delvora::usbtexts {

inline QString noTexts() {
    return QCoreApplication::translate("usbtexts", "没有可显示的文字！");
}
inline QString folderNotCreated() {
    return QCoreApplication::translate("usbtexts", "创建文件夹失败！");
}
inline QString picturesDone() {
    return QCoreApplication::translate("usbtexts", "生成U盘文件成功");
}
inline QString picturesNotSaved(int count) {
    return QCoreApplication::translate("usbtexts", "有%1张图片保存失败！").arg(count);
}
inline QString idFileDone() {
    return QCoreApplication::translate("usbtexts", "生成ID配置文档成功！");
}
inline QString oldFilesNotDeleted() {
    return QCoreApplication::translate("usbtexts", "删除旧文件失败！");
}
inline QString ipFilesFormatError() {
    return QCoreApplication::translate("usbtexts", "生成IP文件失败，请检查Excel格式！");
}
inline QString ipFilesFailed() {
    return QCoreApplication::translate("usbtexts", "生成IP文件失败！");
}
inline QString ipFilesDone() {
    return QCoreApplication::translate("usbtexts", "生成IP文件完成！");
}

} // namespace delvora::usbtexts
