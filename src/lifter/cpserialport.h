#pragma once

#include <QByteArray>
#include <QSerialPort>
#include <QString>

namespace delvora {

// The lifter's serial port. It is only written to; what the device sends is never read.
class CPSerialPort {
public:
    CPSerialPort() = default;
    // Closes the port.
    virtual ~CPSerialPort();
    CPSerialPort(const CPSerialPort &) = delete;
    CPSerialPort &operator=(const CPSerialPort &) = delete;

    // Opens and configures the device; on false the port is closed.
    bool Open(const QString &device, qint32 baudRate, QSerialPort::DataBits dataBits,
              QSerialPort::StopBits stopBits, QSerialPort::Parity parity);
    // Always true; closing a closed port does nothing.
    bool Close();

    bool IsOpen() const { return m_hComm.isOpen(); }
    // Hands the bytes to the driver at once, without waiting for them to leave.
    void Write(const QByteArray &bytes);

private:
    QSerialPort m_hComm;
};

} // namespace delvora
