#pragma once

#include <QCoreApplication>
#include <QString>

#include "netcfg/networkchoice.h"

// What the network settings say to the operator.
namespace delvora::netcfgtexts {

inline QString settingsMissing() {
    return QCoreApplication::translate("netcfgtexts", "找不到配置文件");
}
inline QString settingsUnreadable() {
    return QCoreApplication::translate("netcfgtexts", "读取配置失败");
}
// What the operator is told when "settings.dat" could not be loaded; nothing when it was.
inline QString loadMessage(NetworkChoice::Load result) {
    switch (result) {
    case NetworkChoice::Load::Missing:
        return settingsMissing();
    case NetworkChoice::Load::Unreadable:
        return settingsUnreadable();
    case NetworkChoice::Load::Loaded:
        break;
    }
    return {};
}
inline QString settingsNotSaved() {
    return QCoreApplication::translate("netcfgtexts", "保存配置失败");
}

} // namespace delvora::netcfgtexts
