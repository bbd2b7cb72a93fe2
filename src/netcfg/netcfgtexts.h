#pragma once

#include <QCoreApplication>
#include <QString>

// What the network settings say to the operator.
namespace delvora::netcfgtexts {

inline QString settingsMissing() {
    return QCoreApplication::translate("netcfgtexts", "找不到配置文件");
}
inline QString settingsUnreadable() {
    return QCoreApplication::translate("netcfgtexts", "读取配置失败");
}
inline QString settingsNotSaved() {
    return QCoreApplication::translate("netcfgtexts", "保存配置失败");
}

} // namespace delvora::netcfgtexts
