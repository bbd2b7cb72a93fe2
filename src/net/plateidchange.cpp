#include "net/plateidchange.h"

#include "common/integertext.h"
#include "common/prompt.h"
#include "net/nettexts.h"
#include "net/onlineplates.h"
#include "net/platedatagrams.h"
#include "net/platereply.h"
#include "net/udpsocket.h"

namespace delvora {

bool PlateIdChange::Command(const OnlinePlates &plates, const QString &newIdText,
                            CUdpSocket &socket, QWidget *owner) {
    const int mark = plates.MarkedRow(owner);
    if (mark < 0)
        return false;
    const QString currentId = plates.RowId(mark);
    const QString address = plates.RowIp(mark);
    const int newId = ParseIntOrZero(newIdText);
    // Taken as unsigned, so every negative value is out of range too.
    if (quint32(newId) > quint32(kMaxPlateId)) {
        Prompt::plain(owner, nettexts::idRange());
        return false;
    }
    if (!Prompt::ask(owner, nettexts::idChangeQuestion(currentId, newId)))
        return false;
    socket.SendTo(IdChangeDatagram(newId), address);
    socket.m_nNewId = newId;
    socket.m_addrIdPlate = QHostAddress(address);
    socket.m_bWaitIdReply = true;
    return true;
}

bool PlateIdChange::TimeOut(CUdpSocket &socket) {
    const bool waiting = socket.m_bWaitIdReply;
    socket.m_bWaitIdReply = false;
    return waiting;
}

bool PlateIdChange::ShowResult(int result, QWidget *owner) {
    switch (result) {
    case IdChangeConfirmed:
        Prompt::plain(owner, nettexts::idChanged());
        return true;
    case IdChangeOtherId:
        Prompt::plain(owner, nettexts::idChangeFailed());
        break;
    case IdChangeTimeout:
        Prompt::plain(owner, nettexts::idChangeTimedOut());
        break;
    default:
        break;
    }
    return false;
}

} // namespace delvora
