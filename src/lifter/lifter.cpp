#include "lifter/lifter.h"

#include <algorithm>

#include "lifter/serialportlist.h"

namespace delvora {

QList<SerialPortName> Lifter::ports() {
    QList<SerialPortName> ports;
    enumSerialPorts(ports);
    // Equal names keep the order the system gave them.
    std::stable_sort(ports.begin(), ports.end(),
                     [](const SerialPortName &a, const SerialPortName &b) {
                         return QString::compare(a.name, b.name, Qt::CaseInsensitive) < 0;
                     });
    return ports;
}

bool Lifter::choosePort(const QString &device) {
    m_portOpen = false;
    m_serial.close();
    m_portOpen = m_serial.open(device, kBaudRate, QSerialPort::Data8, QSerialPort::OneStop,
                               QSerialPort::NoParity);
    return m_portOpen;
}

void Lifter::send(LifterCommand command) {
    if (!m_portOpen || !m_serial.isOpen())
        return;
    m_serial.write(lifterFrame(command));
}

} // namespace delvora
