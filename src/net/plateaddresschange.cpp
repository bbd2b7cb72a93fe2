#include "net/plateaddresschange.h"

#include "common/prompt.h"
#include "net/changeipdlg.h"
#include "net/nettexts.h"
#include "net/onlineplates.h"
#include "net/udpsocket.h"

namespace delvora {

bool PlateAddressChange::command(const OnlinePlates &plates, ChangeIpDialog &dialog,
                                 PlateSocket &socket, QWidget *owner) {
    const int mark = plates.markedRow(owner);
    if (mark < 0)
        return false;
    const QString address = plates.rowIp(mark);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (!Prompt::ask(owner, nettexts::addressChangeQuestion()))
        return false;
    socket.sendTo(dialog.m_command, address);
    return true;
}

} // namespace delvora
