#include "gui/lifterpanel.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QPushButton>

#include "gui/prompt.h"

namespace delvora {

LifterPanel::LifterPanel(QComboBox *portBox, QPushButton *up, QPushButton *stop, QPushButton *down,
                         QWidget *window)
    : QObject(window), m_portBox(portBox), m_window(window) {
    // Choosing the same port again reopens it.
    connect(portBox, &QComboBox::activated, this, [this](int index) {
        if (!m_lifter.choosePort(m_portBox->itemData(index).toString()))
            Prompt::plain(m_window, QCoreApplication::translate("LifterControl", "打开串口失败!"));
    });
    for (auto [button, command] :
         {std::pair{up, LifterCommand::Up}, std::pair{stop, LifterCommand::Stop},
          std::pair{down, LifterCommand::Down}})
        connect(button, &QPushButton::clicked, this, [this, command] { m_lifter.send(command); });
}

void LifterPanel::fillPorts() {
    for (const SerialPortName &port : Lifter::ports())
        m_portBox->addItem(port.name, portDevice(port));
    m_portBox->setCurrentIndex(-1);
}

} // namespace delvora
