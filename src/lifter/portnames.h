#pragma once

#include <QString>

namespace delvora {

// One serial port as the system lists it: the name the operator reads (COM3, ttyUSB0) and
// where the device lives (\\.\COM3, /dev/ttyUSB0).
struct SerialPortName {
    QString name;
    QString location;
};

// The number after "COM" in a Windows port name; 0 when the name does not start that way.
int comPortNumber(const QString &name);

// The device name that opens COM port `number`. The "\\.\" prefix is needed from COM10 on and
// harmless below.
QString comDeviceName(int number);

// The device a port list item opens: on Windows derived from the COM number, elsewhere the
// port's own location.
QString portDevice(const SerialPortName &port);

} // namespace delvora
