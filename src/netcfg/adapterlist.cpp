#include "netcfg/adapterlist.h"

#include <QNetworkInterface>
#include <algorithm>

namespace delvora {

namespace {
AdapterList *g_adapters = nullptr;

// Qt spells hardware addresses as hex pairs joined by colons.
QByteArray hardwareBytes(const QString &qtText) {
    QByteArray bytes;
    for (const QString &pair : qtText.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        bytes.append(char(pair.toUInt(nullptr, 16)));
    return bytes;
}
} // namespace

AdapterList &AdapterList::instance() {
    static SystemAdapterList real;
    return g_adapters ? *g_adapters : real;
}

void AdapterList::setInstance(AdapterList *list) {
    g_adapters = list;
}

QList<AdapterEntry> SystemAdapterList::adapters() const {
    QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    std::stable_sort(interfaces.begin(), interfaces.end(),
                     [](const QNetworkInterface &a, const QNetworkInterface &b) {
                         return a.index() < b.index();
                     });
    QList<AdapterEntry> out;
    for (const QNetworkInterface &iface : interfaces) {
        AdapterEntry entry;
        entry.description = iface.humanReadableName();
        // Adapter records hold at most 8 address bytes.
        entry.mac = macText(hardwareBytes(iface.hardwareAddress()).left(8));
        entry.ip = QStringLiteral("0.0.0.0");
        for (const QNetworkAddressEntry &a : iface.addressEntries()) {
            if (a.ip().protocol() == QAbstractSocket::IPv4Protocol) {
                entry.ip = a.ip().toString();
                break;
            }
        }
        out << entry;
    }
    return out;
}

QString macText(const QByteArray &hardwareAddress) {
    QStringList pairs;
    for (char byte : hardwareAddress)
        pairs << QStringLiteral("%1").arg(uchar(byte), 2, 16, QLatin1Char('0')).toUpper();
    return pairs.join(QLatin1Char('-'));
}

QString getAdapterIpByMac(const QString &mac) {
    for (const AdapterEntry &adapter : AdapterList::instance().adapters()) {
        if (adapter.mac == mac)
            return adapter.ip;
    }
    return {};
}

} // namespace delvora
