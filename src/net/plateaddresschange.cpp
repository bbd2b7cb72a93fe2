#include "net/plateaddresschange.h"

#include "common/prompt.h"
#include "net/changeipdlg.h"
#include "net/nettexts.h"
#include "net/onlineplates.h"
#include "net/udpsocket.h"

namespace delvora {

bool PlateAddressChange::Command(const OnlinePlates &plates, CChangeIpDlg &dialog,
                                 CUdpSocket &socket, QWidget *owner) {
    const int mark = plates.MarkedRow(owner);
    if (mark < 0)
        return false;
    const QString address = plates.RowIp(mark);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (!Prompt::ask(owner, nettexts::addressChangeQuestion()))
        return false;
    socket.SendTo(dialog.m_szCommand, address);
    return true;
}

} // namespace delvora
