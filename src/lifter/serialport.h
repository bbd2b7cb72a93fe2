#pragma once

#include <QByteArray>
#include <QSerialPort>
#include <QString>

namespace delvora {

// The lifter's serial port. It is only written to; what the device sends is never read.
class SerialPort {
public:
    SerialPort() = default;
    // Closes the port.
    virtual ~SerialPort();
    SerialPort(const SerialPort &) = delete;
    SerialPort &operator=(const SerialPort &) = delete;

    // Opens and configures the device; on false the port is closed.
    bool open(const QString &device, qint32 baudRate, QSerialPort::DataBits dataBits,
              QSerialPort::StopBits stopBits, QSerialPort::Parity parity);
    // Always true; closing a closed port does nothing.
    bool close();

    bool isOpen() const { return m_port.isOpen(); }
    // Hands the bytes to the driver at once, without waiting for them to leave.
    void write(const QByteArray &bytes);

private:
    QSerialPort m_port;
};

} // namespace delvora
