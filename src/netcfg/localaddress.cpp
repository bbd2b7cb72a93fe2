#include "netcfg/localaddress.h"

#include "netcfg/adapterlist.h"

namespace delvora {

QString netPrefix(const QString &localIp) {
    const qsizetype dot = localIp.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : localIp.left(dot + 1);
}

LocalAddress localAddressOf(const NetworkChoice &choice) {
    LocalAddress local;
    local.fixed = !choice.fixedIp.isEmpty();
    local.ip = local.fixed ? choice.fixedIp : getAdapterIpByMac(choice.mac);
    local.prefix = netPrefix(local.ip);
    return local;
}

NetworkChoice::Load NetworkSettings::load() {
    const NetworkChoice::Load result = m_choice.load();
    m_local = result == NetworkChoice::Load::Loaded ? localAddressOf(m_choice) : LocalAddress();
    return result;
}

bool NetworkSettings::choose(bool fixed, const QString &mac, const QString &fixedIp) {
    m_choice.mac = mac;
    m_choice.fixedIp = fixed ? fixedIp : QString();
    // A chosen fixed address counts as fixed even when it is empty.
    m_local.fixed = fixed;
    m_local.ip = fixed ? fixedIp : getAdapterIpByMac(mac);
    m_local.prefix = netPrefix(m_local.ip);
    return m_choice.save();
}

} // namespace delvora
