#include "lifter/liftercontrol.h"

#include <QComboBox>
#include <QCoreApplication>

#include "gui/prompt.h"
#include "lifter/serialportlist.h"

namespace delvora {

namespace {
constexpr qint32 kLifterBaudRate = 2400;

QString openFailedText() {
    return QCoreApplication::translate("LifterControl", "打开串口失败!");
}
} // namespace

void LifterControl::fillPortList(QComboBox *box) const {
    QList<SerialPortName> ports;
    enumSerialPorts(ports);
    for (const SerialPortName &port : ports) {
        // The box keeps its items sorted by text, as the operator expects COM10 before COM3.
        int at = 0;
        while (at < box->count() &&
               QString::compare(box->itemText(at), port.name, Qt::CaseInsensitive) <= 0)
            ++at;
        box->insertItem(at, port.name, portDevice(port));
    }
    box->setCurrentIndex(-1);
}

void LifterControl::onPortChosen(const QString &device) {
    m_portOpen = false;
    m_serial.close();
    if (m_serial.open(device, kLifterBaudRate, QSerialPort::Data8, QSerialPort::OneStop,
                      QSerialPort::NoParity))
        m_portOpen = true;
    else
        Prompt::plain(m_owner, openFailedText());
}

void LifterControl::send(LifterCommand command) {
    if (!m_portOpen || !m_serial.isOpen())
        return;
    m_serial.write(lifterFrame(command));
}

} // namespace delvora
