#include "netcfg/localaddress.h"

#include "netcfg/adapterlist.h"
#include "netcfg/networkchoice.h"

namespace delvora {

QString netPrefix(const QString &localIp) {
    const qsizetype dot = localIp.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : localIp.left(dot + 1);
}

LocalAddress loadLocalAddress(NetworkChoice &settings, QWidget *owner) {
    LocalAddress local;
    if (settings.load(owner)) {
        // A stored fixed address is taken as it is, unchecked.
        local.fixed = !settings.fixedIp.isEmpty();
        local.ip = local.fixed ? settings.fixedIp : getAdapterIpByMac(settings.mac);
    }
    local.prefix = netPrefix(local.ip);
    return local;
}

LocalAddress chooseLocalAddress(NetworkChoice &settings, bool fixed, const QString &mac,
                                const QString &fixedIp) {
    settings.mac = mac;
    settings.fixedIp = fixed ? fixedIp : QString();
    LocalAddress local;
    local.fixed = fixed;
    local.ip = fixed ? fixedIp : getAdapterIpByMac(mac);
    local.prefix = netPrefix(local.ip);
    return local;
}

} // namespace delvora
