#pragma once

#include <QList>

#include "lifter/portnames.h"

namespace delvora {

// The serial ports of this PC. Tests install their own list to offer a pseudo-terminal.
class SerialPortList {
public:
    virtual ~SerialPortList() = default;

    // The ports in the order the system enumerates them.
    virtual QList<SerialPortName> ports() = 0;

    // The process-wide list; the system's ports unless a test installed its own.
    static SerialPortList &instance();
    static void setInstance(SerialPortList *list);
};

// The ports the system reports.
class SystemSerialPortList : public SerialPortList {
public:
    QList<SerialPortName> ports() override;
};

// Appends the names of the PC's serial ports to `ports`.
void enumSerialPorts(QList<SerialPortName> &ports);

} // namespace delvora
