#pragma once

#include <QString>

// What the device network says to the operator.
namespace delvora::nettexts {

// ID change, address change and factory reset.
inline QString selectPlateToChange() {
    return QStringLiteral("请选择要修改的桌牌");
}
inline QString idRange() {
    return QStringLiteral("ID范围为：0-9999");
}
inline QString idChangeQuestion(const QString &currentId, int newId) {
    return QStringLiteral("是否将ID: ") + currentId + QStringLiteral(" 修改为 ") +
           QString::number(newId) + QStringLiteral(" ?");
}
inline QString idChanged() {
    return QStringLiteral("修改ID成功");
}
inline QString idChangeFailed() {
    return QStringLiteral("修改ID失败");
}
inline QString idChangeTimedOut() {
    return QStringLiteral("修改ID超时");
}
inline QString addressChangeQuestion() {
    return QStringLiteral("确认修改IP？\r\n修改后请重启桌牌");
}
inline QString selectPlatesToReset() {
    return QStringLiteral("请选择要恢复出厂设置的桌牌");
}
inline QString resetQuestionHead(int count) {
    return QStringLiteral("是否确定将以下%1台桌牌恢复出厂设置？\r\n").arg(count);
}
inline QString resetQuestionTail() {
    return QStringLiteral("\r\n恢复出厂设置会清空ID、IP和显示内容。");
}
inline QString resetSent() {
    return QStringLiteral("发送恢复出厂设置指令完成");
}

// The plate board: its columns and the 状态 of a plate.
inline QString columnName() {
    return QStringLiteral("名字");
}
inline QString columnState() {
    return QStringLiteral("状态");
}
inline QString stateOnline() {
    return QStringLiteral("在线");
}
inline QString stateOffline() {
    return QStringLiteral("离线");
}
inline QString stateUpdating(int percent) {
    return QStringLiteral("更新中 %1%").arg(percent);
}
inline QString stateUpdated(const QString &time) {
    return QStringLiteral("已更新 ") + time;
}
inline QString stateNotConnected() {
    return QStringLiteral("未连接");
}
inline QString stateTransferFailed() {
    return QStringLiteral("传输失败");
}
inline QString stateNotListed() {
    return QStringLiteral("不在名单");
}
inline QString duplicateId() {
    return QStringLiteral("ID重复");
}

inline QString noLocalAddress() {
    return QStringLiteral("未设置本机IP，请先在“设置→网络”中选择网卡");
}

} // namespace delvora::nettexts
