#pragma once

#include <QByteArray>
#include <QDialog>

#include "net/platedatagrams.h"

namespace delvora {

class IpAddressEdit;

// 修改IP: the new address, subnet mask and gateway of a plate. The main window keeps one
// dialog for its whole life, so each opening shows the values last confirmed with OK.
class ChangeIpDialog : public QDialog {
    Q_OBJECT
public:
    explicit ChangeIpDialog(QWidget *parent = nullptr);

    // Shows the kept values, then runs the dialog.
    int exec() override;
    // OK: keeps the three addresses and builds the address-change datagram from them.
    void accept() override;

    IpAddressEdit *m_ipAddr = nullptr;
    IpAddressEdit *m_ipMask = nullptr;
    IpAddressEdit *m_ipGateway = nullptr;
    QByteArray m_command; // built by OK; unchanged by Cancel
    Octets m_ip{192, 168, 1, 88};
    Octets m_mask{255, 255, 255, 0};
    Octets m_gateway{192, 168, 1, 1};

private:
    void onInitDialog();
};

} // namespace delvora
