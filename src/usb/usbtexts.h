#pragma once

#include <QString>

// What the USB drive commands say to the operator.
namespace delvora::usbtexts {

inline QString noTexts() {
    return QStringLiteral("没有可显示的文字！");
}
inline QString folderNotCreated() {
    return QStringLiteral("创建文件夹失败！");
}
inline QString picturesDone() {
    return QStringLiteral("生成U盘文件成功");
}
inline QString picturesNotSaved(int count) {
    return QStringLiteral("有%1张图片保存失败！").arg(count);
}
inline QString idFileDone() {
    return QStringLiteral("生成ID配置文档成功！");
}
inline QString oldFilesNotDeleted() {
    return QStringLiteral("删除旧文件失败！");
}
inline QString ipFilesFormatError() {
    return QStringLiteral("生成IP文件失败，请检查Excel格式！");
}
inline QString ipFilesFailed() {
    return QStringLiteral("生成IP文件失败！");
}
inline QString ipFilesDone() {
    return QStringLiteral("生成IP文件完成！");
}

} // namespace delvora::usbtexts
