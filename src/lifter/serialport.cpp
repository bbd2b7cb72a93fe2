#include "lifter/serialport.h"

namespace delvora {

namespace {
// Bounds what an unread answer from the device can pile up.
constexpr qint64 kReadQueueSize = 4096;
} // namespace

SerialPort::~SerialPort() {
    close();
}

bool SerialPort::open(const QString &device, qint32 baudRate, QSerialPort::DataBits dataBits,
                      QSerialPort::StopBits stopBits, QSerialPort::Parity parity) {
    // A second open would otherwise leave the first device held.
    close();
    m_port.setPortName(device);
    // Applied when the port opens; a setting the device refuses fails the open.
    m_port.setBaudRate(baudRate);
    m_port.setDataBits(dataBits);
    m_port.setStopBits(stopBits);
    m_port.setParity(parity);
    m_port.setReadBufferSize(kReadQueueSize);
    if (!m_port.open(QIODevice::ReadWrite))
        return false;
    m_port.clear();
    return true;
}

bool SerialPort::close() {
    // Output still queued is let through: dropping it could lose a stop just sent.
    if (m_port.isOpen())
        m_port.close();
    return true;
}

void SerialPort::write(const QByteArray &bytes) {
    if (!m_port.isOpen())
        return;
    m_port.write(bytes);
    m_port.flush();
}

} // namespace delvora
