#pragma once

#include <QString>

#include "lifter/serialport.h"
#include "lifter/lifterframe.h"

class QComboBox;
class QWidget;

namespace delvora {

// The lifter panel: the port choice and the up, stop and down commands.
class LifterControl {
public:
    // `owner` owns the message boxes.
    explicit LifterControl(QWidget *owner) : m_owner(owner) {}

    // Lists the PC's serial ports in the port box, sorted by name, each item carrying the
    // device it opens. Nothing is selected and nothing opened.
    void fillPortList(QComboBox *box) const;
    // The operator chose a port: the open one is closed, then the chosen device opened.
    void onPortChosen(const QString &device);
    // One frame per press; nothing without an open port.
    void send(LifterCommand command);

private:
    QWidget *m_owner;
    SerialPort m_serial;
    bool m_portOpen = false; // the port chosen last opened
};

} // namespace delvora
