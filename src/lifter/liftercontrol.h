#pragma once

#include <QString>

#include "lifter/cpserialport.h"
#include "lifter/lifterframe.h"

class QComboBox;
class QWidget;

namespace delvora {

// The lifter panel: the port choice and the up, stop and down commands.
class LifterControl {
public:
    // `owner` owns the message boxes.
    explicit LifterControl(QWidget *owner) : m_pOwner(owner) {}

    // Lists the PC's serial ports in the port box, sorted by name, each item carrying the
    // device it opens. Nothing is selected and nothing opened.
    void FillPortList(QComboBox *box) const;
    // The operator chose a port: the open one is closed, then the chosen device opened.
    void OnPortChosen(const QString &device);
    // One frame per press; nothing without an open port.
    void Send(LifterCommand command);

private:
    QWidget *m_pOwner;
    CPSerialPort m_serial;
    bool m_bPortOpen = false; // the port chosen last opened
};

} // namespace delvora
