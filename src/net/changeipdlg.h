#pragma once

#include <QByteArray>
#include <QDialog>

#include "net/platedatagrams.h"

namespace delvora {

class IpAddressEdit;

// 修改IP: the new address, subnet mask and gateway of a plate. The main window keeps one
// dialog for its whole life, so each opening shows the values last confirmed with OK.
class CChangeIpDlg : public QDialog {
    Q_OBJECT
public:
    explicit CChangeIpDlg(QWidget *parent = nullptr);

    // Shows the kept values, then runs the dialog.
    int exec() override;
    // OK: keeps the three addresses and builds the address-change datagram from them.
    void accept() override;

    IpAddressEdit *m_ipAddr = nullptr;
    IpAddressEdit *m_ipMask = nullptr;
    IpAddressEdit *m_ipGateway = nullptr;
    QByteArray m_szCommand; // built by OK; unchanged by Cancel
    Octets m_nIp{192, 168, 1, 88};
    Octets m_nMask{255, 255, 255, 0};
    Octets m_nGateway{192, 168, 1, 1};

private:
    void OnInitDialog();
};

} // namespace delvora
