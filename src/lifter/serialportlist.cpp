#include "lifter/serialportlist.h"

#include <QSerialPortInfo>

namespace delvora {

namespace {
SerialPortList *g_portList = nullptr;
}

SerialPortList &SerialPortList::instance() {
    static SystemSerialPortList real;
    return g_portList ? *g_portList : real;
}

void SerialPortList::setInstance(SerialPortList *list) {
    g_portList = list;
}

QList<SerialPortName> SystemSerialPortList::ports() {
    QList<SerialPortName> result;
    const QList<QSerialPortInfo> infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : infos)
        result.append({info.portName(), info.systemLocation()});
    return result;
}

void enumSerialPorts(QList<SerialPortName> &ports) {
    ports.append(SerialPortList::instance().ports());
}

} // namespace delvora
