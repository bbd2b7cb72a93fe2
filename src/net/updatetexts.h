#pragma once

#include <QCoreApplication>
#include <QString>

// What the network picture update says to the operator and writes into "dispError.txt".
namespace delvora::updatetexts {

inline QString noTexts() {
    return QCoreApplication::translate("updatetexts", "没有可显示的文字！");
}
inline QString selectedNotOnline() {
    return QCoreApplication::translate("updatetexts", "选择的桌牌不在线!");
}
inline QString cannotOpenFile() {
    return QCoreApplication::translate("updatetexts", "打开文件失败");
}
inline QString connectTimeout() {
    return QCoreApplication::translate("updatetexts", "等待桌牌连接超时！");
}
inline QString transferFailed() {
    return QCoreApplication::translate("updatetexts", "更新过程出现错误！");
}

// The picture server's start-up and accept failures, with the platform's socket error code.
inline QString bindError(int code) {
    return QStringLiteral("Bind Error:%1 ").arg(code);
}
inline QString listenError(int code) {
    return QStringLiteral("Listen Error:%1 ").arg(code);
}
inline QString acceptError(int code) {
    return QStringLiteral("Accept Error:%1 ").arg(code);
}

// The reasons of "dispError.txt", after "ID:<number>\t"; never translated, the file is read
// by other programs.
inline QString lineNotOnline() {
    return QStringLiteral("桌牌不在线！");
}
inline QString lineConnectTimeout() {
    return QStringLiteral("桌牌连接超时！");
}
inline QString lineTransferFailed() {
    return QStringLiteral("更新过程出错！");
}

} // namespace delvora::updatetexts
