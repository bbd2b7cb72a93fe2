#include "net/factoryreset.h"

#include "gui/prompt.h"
#include "net/nettexts.h"
#include "gui/onlineplates.h"
#include "net/platedatagrams.h"
#include "net/platesocket.h"

namespace delvora {

int FactoryReset::command(const OnlinePlates &plates, PlateSocket &socket, QWidget *owner) {
    const QList<int> rows = plates.selectedRows();
    if (rows.isEmpty()) {
        Prompt::plain(owner, nettexts::selectPlatesToReset());
        return 0;
    }
    // The plates are taken before asking: answers handled while the question is open may
    // add rows or clear the list, and only the plates the operator confirmed are reset.
    QStringList ids;
    QStringList addresses;
    for (int row : rows) {
        ids << plates.rowId(row);
        addresses << plates.rowIp(row);
    }
    if (!Prompt::ask(owner, question(ids)))
        return 0;
    const QByteArray reset = factoryResetDatagram();
    for (const QString &address : addresses)
        socket.sendTo(reset, address);
    Prompt::plain(owner, nettexts::resetSent());
    return int(addresses.size());
}

QString FactoryReset::question(const QStringList &ids) {
    QString list;
    for (int i = 0; i < ids.size(); ++i) {
        list += ids[i];
        list += (i + 1) % 5 == 0 ? QStringLiteral("\r\n") : QStringLiteral("\t");
    }
    return nettexts::resetQuestionHead(int(ids.size())) + list + nettexts::resetQuestionTail();
}

} // namespace delvora
