#include "net/presencecheck.h"

#include "net/networkparameters.h"
#include "net/plateboard.h"
#include "net/platedatagrams.h"
#include "net/platereply.h"
#include "net/platesocket.h"
#include "net/platestate.h"

namespace delvora {

PresenceCheck::PresenceCheck(PlateSocket &socket, PlateBoard &board, Busy busy, QObject *parent)
    : QObject(parent), m_udp(socket), m_board(board), m_busy(std::move(busy)) {
    m_timer.setInterval(NetworkParameters{}.presenceIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &PresenceCheck::probe);
}

void PresenceCheck::setEnabled(bool on) {
    m_awaiting.clear();
    m_missed.clear();
    if (on)
        m_timer.start();
    else
        m_timer.stop();
}

void PresenceCheck::onPlateReply(const PlateReply &reply) {
    const QString address = reply.sender.toString();
    m_awaiting.remove(address);
    m_missed.remove(address);
}

void PresenceCheck::probe() {
    if (m_busy && m_busy()) {
        // A round the program sat out counts for nothing.
        m_awaiting.clear();
        return;
    }
    const QStringList addresses = m_board.addresses();
    // Plates cleared off the board start afresh when they come back.
    for (auto it = m_missed.begin(); it != m_missed.end();)
        it = addresses.contains(it.key()) ? std::next(it) : m_missed.erase(it);
    for (const QString &address : addresses) {
        if (m_awaiting.contains(address) && ++m_missed[address] >= kMissedForOffline)
            m_board.setState(address, PlateState::Offline, 0);
    }
    m_awaiting.clear();
    const QByteArray hello = helloDatagram();
    for (const QString &address : addresses) {
        if (m_udp.sendTo(hello, address))
            m_awaiting.insert(address);
    }
}

} // namespace delvora
