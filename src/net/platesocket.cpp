#include "net/platesocket.h"

#include <QHostInfo>

#include "net/platedatagrams.h"

namespace delvora {

namespace {
// Beyond this many addresses with admitted answers, the expired ones are swept out.
constexpr qsizetype kAskedSweep = 1024;
} // namespace

PlateSocket::PlateSocket(QObject *parent) : QUdpSocket(parent) {
    m_started.start();
    m_clock = [this] { return m_started.elapsed(); };
    connect(this, &QUdpSocket::readyRead, this, &PlateSocket::onReceive);
}

void PlateSocket::findHostAddress() {
    const QHostInfo info = QHostInfo::fromName(QHostInfo::localHostName());
    if (info.error() != QHostInfo::NoError)
        return;
    const QList<QHostAddress> addresses = info.addresses();
    for (auto it = addresses.crbegin(); it != addresses.crend(); ++it) {
        if (it->protocol() == QAbstractSocket::IPv4Protocol) {
            m_hostIp = it->toIPv4Address();
            return;
        }
    }
}

bool PlateSocket::create() {
    // Plates answer to the plate port, and simulated plates bind that port on their own
    // loopback addresses, so the port must be shared.
    return bind(QHostAddress::AnyIPv4, m_port, ShareAddress | ReuseAddressHint);
}

bool PlateSocket::sendTo(const QByteArray &datagram, const QString &address) {
    QHostAddress to;
    if (!to.setAddress(address) || to.protocol() != QAbstractSocket::IPv4Protocol)
        return false;
    // 0.0.0.0/8 names no plate; it is what an unset or adapter-less local address yields.
    if ((to.toIPv4Address() >> 24) == 0)
        return false;
    if (writeDatagram(datagram, to, m_port) != datagram.size())
        return false;
    if (const int window = answerWindowMs(datagram); window > 0)
        expectAnswer(to, window);
    return true;
}

void PlateSocket::expectAnswer(const QHostAddress &address, int windowMs) {
    const qint64 now = m_clock();
    if (m_asked.size() > kAskedSweep) {
        for (auto it = m_asked.begin(); it != m_asked.end();) {
            it->removeIf([now](qint64 deadline) { return deadline <= now; });
            it = it->isEmpty() ? m_asked.erase(it) : std::next(it);
        }
    }
    m_asked[address.toIPv4Address()].append(now + windowMs);
}

bool PlateSocket::takeAnswer(const QHostAddress &address) {
    const auto it = m_asked.find(address.toIPv4Address());
    if (it == m_asked.end())
        return false;
    const qint64 now = m_clock();
    it->removeIf([now](qint64 deadline) { return deadline <= now; });
    if (it->isEmpty()) {
        m_asked.erase(it);
        return false;
    }
    it->removeFirst();
    return true;
}

void PlateSocket::awaitIdAnswer(const QHostAddress &plate, qint32 newId) {
    m_idPlate = plate;
    m_newId = newId;
    m_waitIdReply = true;
}

bool PlateSocket::stopAwaitingIdAnswer() {
    const bool waiting = m_waitIdReply;
    m_waitIdReply = false;
    return waiting;
}

void PlateSocket::onReceive() {
    QHostAddress sender;
    quint16 senderPort = 0;
    while (hasPendingDatagrams()) {
        if (pendingDatagramSize() > kMaxDatagram) {
            readDatagram(nullptr, 0); // too large for a plate answer: dropped unread
            continue;
        }
        QByteArray buffer(kMaxDatagram, '\0');
        const qint64 got = readDatagram(buffer.data(), kMaxDatagram, &sender, &senderPort);
        if (got < 0)
            break;
        if (got == 0)
            continue;
        buffer.truncate(got);
        handleDatagram(buffer, sender, senderPort);
    }
}

void PlateSocket::handleDatagram(const QByteArray &data, const QHostAddress &sender,
                                 quint16 senderPort) {
    if (sender.isEqual(QHostAddress(m_hostIp), QHostAddress::ConvertV4MappedToIPv4))
        return;
    if (!takeAnswer(sender))
        return;
    const qint32 plateId = readPlateId(data);
    if (m_waitIdReply && sender.isEqual(m_idPlate, QHostAddress::ConvertV4MappedToIPv4)) {
        // Only the renumbered plate answers the change; a late discovery answer from another
        // plate must neither end the wait nor be reported as a failed change.
        m_waitIdReply = false;
        emit idChangeResult(plateId == m_newId ? IdChangeConfirmed : IdChangeOtherId);
        return;
    }
    if (plateId < 0 || plateId > kMaxPlateId)
        return;
    PlateReply reply;
    reply.plateId = plateId;
    reply.sender = QHostAddress(sender.toIPv4Address());
    reply.senderPort = senderPort;
    emit plateReply(reply);
}

} // namespace delvora
