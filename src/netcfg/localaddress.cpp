#include "netcfg/localaddress.h"

#include "netcfg/adapterlist.h"
#include "netcfg/settings.h"

namespace delvora {

QString NetPrefix(const QString &localIp) {
    const qsizetype dot = localIp.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : localIp.left(dot + 1);
}

LocalAddress LoadLocalAddress(CSettings &settings, QWidget *owner) {
    LocalAddress local;
    if (settings.Load(owner)) {
        // A stored fixed address is taken as it is, unchecked.
        local.fixed = !settings.m_strIp.isEmpty();
        local.ip = local.fixed ? settings.m_strIp : GetAdapterIpByMac(settings.m_strMac);
    }
    local.prefix = NetPrefix(local.ip);
    return local;
}

LocalAddress ChooseLocalAddress(CSettings &settings, bool fixed, const QString &mac,
                                const QString &fixedIp) {
    settings.m_strMac = mac;
    settings.m_strIp = fixed ? fixedIp : QString();
    LocalAddress local;
    local.fixed = fixed;
    local.ip = fixed ? fixedIp : GetAdapterIpByMac(mac);
    local.prefix = NetPrefix(local.ip);
    return local;
}

} // namespace delvora
