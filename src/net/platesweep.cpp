#include "net/platesweep.h"

#include "net/platedatagrams.h"
#include "net/platesocket.h"

namespace delvora {

std::optional<QStringList> sweepPlates(PlateSocket &socket, const QString &localIp,
                                       const QString &netPrefix) {
    if (!localIp.contains(QLatin1Char('.')))
        return std::nullopt;
    const QByteArray hello = helloDatagram();
    const QStringList addresses = sweepAddresses(netPrefix, localIp);
    for (const QString &address : addresses)
        socket.sendTo(hello, address);
    return addresses;
}

} // namespace delvora
