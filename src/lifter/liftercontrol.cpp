#include "lifter/liftercontrol.h"

#include <QComboBox>
#include <QCoreApplication>

#include "common/prompt.h"
#include "lifter/serialportlist.h"

namespace delvora {

namespace {
constexpr qint32 kLifterBaudRate = 2400;

QString OpenFailedText() {
    return QCoreApplication::translate("LifterControl", "打开串口失败!");
}
} // namespace

void LifterControl::FillPortList(QComboBox *box) const {
    QList<SerialPortName> ports;
    EnumSerialPorts(ports);
    for (const SerialPortName &port : ports) {
        // The box keeps its items sorted by text, as the operator expects COM10 before COM3.
        int at = 0;
        while (at < box->count() &&
               QString::compare(box->itemText(at), port.name, Qt::CaseInsensitive) <= 0)
            ++at;
        box->insertItem(at, port.name, PortDevice(port));
    }
    box->setCurrentIndex(-1);
}

void LifterControl::OnPortChosen(const QString &device) {
    m_bPortOpen = false;
    m_serial.Close();
    if (m_serial.Open(device, kLifterBaudRate, QSerialPort::Data8, QSerialPort::OneStop,
                      QSerialPort::NoParity))
        m_bPortOpen = true;
    else
        Prompt::plain(m_pOwner, OpenFailedText());
}

void LifterControl::Send(LifterCommand command) {
    if (!m_bPortOpen || !m_serial.IsOpen())
        return;
    m_serial.Write(LifterFrame(command));
}

} // namespace delvora
