#pragma once

#include <QString>

class QWidget;

namespace delvora {

class NetworkChoice;

// The local address the device network works with, as the network settings give it.
struct LocalAddress {
    bool fixed = false; // the operator's fixed address rather than the adapter's
    QString ip;         // dotted text; may be empty
    QString prefix;     // `ip` up to and including its last dot; empty without a dot
};

// `localIp` cut after its last dot.
QString netPrefix(const QString &localIp);

// The start-up step: loads "settings.dat" (telling the operator when it fails) and derives the
// local address from the fixed address it holds or else from the stored adapter.
LocalAddress loadLocalAddress(NetworkChoice &settings, QWidget *owner);

// Takes the operator's confirmed choice into `settings` and derives the new local address.
// Saving is left to the caller.
LocalAddress chooseLocalAddress(NetworkChoice &settings, bool fixed, const QString &mac,
                                const QString &fixedIp);

} // namespace delvora
