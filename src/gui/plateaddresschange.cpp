#include "gui/plateaddresschange.h"

#include "gui/prompt.h"
#include "gui/changeipdialog.h"
#include "net/nettexts.h"
#include "gui/onlineplates.h"
#include "net/platesocket.h"

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
