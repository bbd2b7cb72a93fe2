#pragma once

#include <QList>
#include <QString>

#include "lifter/lifterframe.h"
#include "lifter/portnames.h"
#include "lifter/serialport.h"

namespace delvora {

// The plate lifter on its serial port: the port the operator chose, and the up, stop and down
// commands.
class Lifter {
public:
    static constexpr qint32 kBaudRate = 2400;

    // The PC's serial ports sorted by name without regard to case, as the operator reads them
    // (COM10 before COM3).
    static QList<SerialPortName> ports();

    // The open port is closed, then the chosen device opened at 2400 8N1. False when it could
    // not be opened (commands then go nowhere).
    bool choosePort(const QString &device);
    // One frame per command; nothing without an open port.
    void send(LifterCommand command);

private:
    SerialPort m_serial;
    bool m_portOpen = false; // the port chosen last opened
};

} // namespace delvora
