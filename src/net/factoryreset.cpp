#include "net/factoryreset.h"

#include "net/nettexts.h"
#include "net/platedatagrams.h"
#include "net/platesocket.h"

namespace delvora::FactoryReset {

int send(PlateSocket &socket, const QStringList &addresses) {
    const QByteArray reset = factoryResetDatagram();
    for (const QString &address : addresses)
        socket.sendTo(reset, address);
    return int(addresses.size());
}

QString question(const QStringList &ids) {
    QString list;
    for (int i = 0; i < ids.size(); ++i) {
        list += ids[i];
        list += (i + 1) % 5 == 0 ? QStringLiteral("\r\n") : QStringLiteral("\t");
    }
    return nettexts::resetQuestionHead(int(ids.size())) + list + nettexts::resetQuestionTail();
}

} // namespace delvora::FactoryReset
