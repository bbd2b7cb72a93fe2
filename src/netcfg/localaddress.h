#pragma once

#include <QString>

#include "netcfg/networkchoice.h"

namespace delvora {

// The local address the device network works with, as the network settings give it.
struct LocalAddress {
    bool fixed = false; // the operator's fixed address rather than the adapter's
    QString ip;         // dotted text; may be empty
    QString prefix;     // `ip` up to and including its last dot; empty without a dot
};

// `localIp` cut after its last dot.
QString netPrefix(const QString &localIp);

// The local address a choice gives: its fixed address (taken as it is, unchecked) or else the
// first IPv4 address of its adapter.
LocalAddress localAddressOf(const NetworkChoice &choice);

// The operator's network choice ("settings.dat") and the local address it gives; the device
// network asks here for the address it works with.
class NetworkSettings {
public:
    // The start-up step: loads "settings.dat" and derives the local address (none when the file
    // could not be read).
    NetworkChoice::Load load();
    // The operator's confirmed choice, kept in force and saved; false when saving failed.
    bool choose(bool fixed, const QString &mac, const QString &fixedIp);

    const NetworkChoice &choice() const { return m_choice; }
    const LocalAddress &local() const { return m_local; }

private:
    NetworkChoice m_choice;
    LocalAddress m_local;
};

} // namespace delvora
