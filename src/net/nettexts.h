#pragma once

#include <QString>

// What the device network says to the operator.
namespace delvora::nettexts {

inline QString noLocalAddress() {
    return QStringLiteral("未设置本机IP，请先在“设置→网络”中选择网卡");
}

} // namespace delvora::nettexts
