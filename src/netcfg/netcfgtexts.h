#pragma once

#include <QString>

// What the network settings say to the operator.
namespace delvora::netcfgtexts {

inline QString settingsMissing() {
    return QStringLiteral("找不到配置文件");
}
inline QString settingsUnreadable() {
    return QStringLiteral("读取配置失败");
}
inline QString settingsNotSaved() {
    return QStringLiteral("保存配置失败");
}

} // namespace delvora::netcfgtexts
