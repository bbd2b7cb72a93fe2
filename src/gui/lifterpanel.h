#pragma once

#include <QObject>

#include "lifter/lifter.h"

class QComboBox;
class QPushButton;
class QWidget;

namespace delvora {

// The lifter panel "升降器控制": the port choice and the buttons 上升, 停止 and 下降.
class LifterPanel : public QObject {
    Q_OBJECT
public:
    LifterPanel(QComboBox *portBox, QPushButton *up, QPushButton *stop, QPushButton *down,
                QWidget *window);

    // Lists the PC's serial ports in the port box, each item carrying the device it opens.
    // Nothing is selected and nothing opened.
    void fillPorts();

private:
    QComboBox *m_portBox;
    QWidget *m_window;
    Lifter m_lifter;
};

} // namespace delvora
