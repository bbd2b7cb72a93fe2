#include "net/plateidchange.h"

#include <QHostAddress>

#include "common/integertext.h"
#include "net/networkparameters.h"
#include "net/platedatagrams.h"
#include "net/platesocket.h"

namespace delvora {

PlateIdChange::PlateIdChange(PlateSocket &socket, QObject *parent)
    : QObject(parent), m_socket(socket) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(NetworkParameters{}.idAnswerMs);
    connect(&m_timer, &QTimer::timeout, this, &PlateIdChange::onTimeout);
    connect(&m_socket, &PlateSocket::idChangeResult, this, &PlateIdChange::onAnswer);
}

std::optional<int> PlateIdChange::parseNewId(const QString &text) {
    const int newId = parseIntOrZero(text);
    // Taken as unsigned, so every negative value is out of range too.
    if (quint32(newId) > quint32(kMaxPlateId))
        return std::nullopt;
    return newId;
}

void PlateIdChange::start(const QString &address, int newId) {
    m_socket.sendTo(idChangeDatagram(newId), address);
    m_socket.awaitIdAnswer(QHostAddress(address), newId);
    m_timer.start();
}

bool PlateIdChange::isWaiting() const {
    return m_socket.isAwaitingIdAnswer();
}

void PlateIdChange::onAnswer(int result) {
    m_timer.stop();
    emit finished(IdChangeResult(result));
}

void PlateIdChange::onTimeout() {
    if (m_socket.stopAwaitingIdAnswer())
        emit finished(IdChangeTimeout);
}

} // namespace delvora
