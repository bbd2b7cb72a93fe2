#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace delvora {

class PlateSocket;

// 检测在线桌牌: a probe ("hello") to every other host of the local /24 prefix; the plates that
// answer come as the socket's plate replies. Returns the addresses probed. Without a local
// address (text without a dot) nothing is sent and nothing is returned: the sweep would go to
// 0.0.0.1-254 and silently find nothing.
std::optional<QStringList> sweepPlates(PlateSocket &socket, const QString &localIp,
                                       const QString &netPrefix);

} // namespace delvora
