#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace delvora {

// One network adapter of this PC as the network settings show it.
struct AdapterEntry {
    QString description;
    QString mac; // "%02X-" style, e.g. 00-1A-2B-3C-4D-5E; empty without a hardware address
    QString ip;  // first IPv4 address in dotted text, 0.0.0.0 when it has none
};

// The PC's adapters, every one of them (loopback and adapters that are down included), in a
// stable order. Tests install their own list.
class AdapterList {
public:
    virtual ~AdapterList() = default;
    virtual QList<AdapterEntry> adapters() const = 0;

    static AdapterList &instance();
    static void setInstance(AdapterList *list);
};

// The adapters the operating system reports.
class SystemAdapterList : public AdapterList {
public:
    QList<AdapterEntry> adapters() const override;
};

// Hardware address bytes as MAC text: upper-case hex pairs joined by "-".
QString macText(const QByteArray &hardwareAddress);

// The first IPv4 address of the first adapter with exactly this MAC text; empty when none
// matches.
QString getAdapterIpByMac(const QString &mac);

} // namespace delvora
