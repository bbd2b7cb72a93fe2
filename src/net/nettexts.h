#pragma once

#include <QCoreApplication>
#include <QString>

// What the device network says to the operator.
namespace delvora::nettexts {

// ID change, address change and factory reset.
inline QString selectPlateToChange() {
    return QCoreApplication::translate("nettexts", "请选择要修改的桌牌");
}
inline QString idRange() {
    return QCoreApplication::translate("nettexts", "ID范围为：0-9999");
}
inline QString idChangeQuestion(const QString &currentId, int newId) {
    return QCoreApplication::translate("nettexts", "是否将ID: %1 修改为 %2 ?")
        .arg(currentId, QString::number(newId));
}
inline QString idChanged() {
    return QCoreApplication::translate("nettexts", "修改ID成功");
}
inline QString idChangeFailed() {
    return QCoreApplication::translate("nettexts", "修改ID失败");
}
inline QString idChangeTimedOut() {
    return QCoreApplication::translate("nettexts", "修改ID超时");
}
inline QString addressChangeQuestion() {
    return QCoreApplication::translate("nettexts", "确认修改IP？\r\n修改后请重启桌牌");
}
inline QString selectPlatesToReset() {
    return QCoreApplication::translate("nettexts", "请选择要恢复出厂设置的桌牌");
}
inline QString resetQuestionHead(int count) {
    return QCoreApplication::translate("nettexts", "是否确定将以下%1台桌牌恢复出厂设置？\r\n")
        .arg(count);
}
inline QString resetQuestionTail() {
    return QCoreApplication::translate("nettexts", "\r\n恢复出厂设置会清空ID、IP和显示内容。");
}
inline QString resetSent() {
    return QCoreApplication::translate("nettexts", "发送恢复出厂设置指令完成");
}

// The plate board: its columns and the 状态 of a plate.
inline QString columnName() {
    return QCoreApplication::translate("nettexts", "名字");
}
inline QString columnState() {
    return QCoreApplication::translate("nettexts", "状态");
}
inline QString stateOnline() {
    return QCoreApplication::translate("nettexts", "在线");
}
inline QString stateOffline() {
    return QCoreApplication::translate("nettexts", "离线");
}
inline QString stateUpdating(int percent) {
    return QCoreApplication::translate("nettexts", "更新中 %1%").arg(percent);
}
inline QString stateUpdated(const QString &time) {
    return QCoreApplication::translate("nettexts", "已更新 ") + time;
}
inline QString stateNotConnected() {
    return QCoreApplication::translate("nettexts", "未连接");
}
inline QString stateTransferFailed() {
    return QCoreApplication::translate("nettexts", "传输失败");
}
inline QString stateNotListed() {
    return QCoreApplication::translate("nettexts", "不在名单");
}
inline QString duplicateId() {
    return QCoreApplication::translate("nettexts", "ID重复");
}

inline QString noLocalAddress() {
    return QCoreApplication::translate("nettexts", "未设置本机IP，请先在“设置→网络”中选择网卡");
}

} // namespace delvora::nettexts
