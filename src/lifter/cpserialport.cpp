#include "lifter/cpserialport.h"

namespace delvora {

namespace {
// Bounds what an unread answer from the device can pile up.
constexpr qint64 kReadQueueSize = 4096;
} // namespace

CPSerialPort::~CPSerialPort() {
    Close();
}

bool CPSerialPort::Open(const QString &device, qint32 baudRate, QSerialPort::DataBits dataBits,
                        QSerialPort::StopBits stopBits, QSerialPort::Parity parity) {
    // A second open would otherwise leave the first device held.
    Close();
    m_hComm.setPortName(device);
    // Applied when the port opens; a setting the device refuses fails the open.
    m_hComm.setBaudRate(baudRate);
    m_hComm.setDataBits(dataBits);
    m_hComm.setStopBits(stopBits);
    m_hComm.setParity(parity);
    m_hComm.setReadBufferSize(kReadQueueSize);
    if (!m_hComm.open(QIODevice::ReadWrite))
        return false;
    m_hComm.clear();
    return true;
}

bool CPSerialPort::Close() {
    // Output still queued is let through: dropping it could lose a stop just sent.
    if (m_hComm.isOpen())
        m_hComm.close();
    return true;
}

void CPSerialPort::Write(const QByteArray &bytes) {
    if (!m_hComm.isOpen())
        return;
    m_hComm.write(bytes);
    m_hComm.flush();
}

} // namespace delvora
