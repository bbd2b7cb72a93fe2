#include "net/plateidchange.h"

#include "common/integertext.h"
#include "gui/prompt.h"
#include "net/nettexts.h"
#include "gui/onlineplates.h"
#include "net/platedatagrams.h"
#include "net/platereply.h"
#include "net/platesocket.h"

namespace delvora {

bool PlateIdChange::command(const OnlinePlates &plates, const QString &newIdText,
                            PlateSocket &socket, QWidget *owner) {
    const int mark = plates.markedRow(owner);
    if (mark < 0)
        return false;
    const QString currentId = plates.rowId(mark);
    const QString address = plates.rowIp(mark);
    const int newId = parseIntOrZero(newIdText);
    // Taken as unsigned, so every negative value is out of range too.
    if (quint32(newId) > quint32(kMaxPlateId)) {
        Prompt::plain(owner, nettexts::idRange());
        return false;
    }
    if (!Prompt::ask(owner, nettexts::idChangeQuestion(currentId, newId)))
        return false;
    socket.sendTo(idChangeDatagram(newId), address);
    socket.m_newId = newId;
    socket.m_idPlate = QHostAddress(address);
    socket.m_waitIdReply = true;
    return true;
}

bool PlateIdChange::timeOut(PlateSocket &socket) {
    const bool waiting = socket.m_waitIdReply;
    socket.m_waitIdReply = false;
    return waiting;
}

bool PlateIdChange::showResult(int result, QWidget *owner) {
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
