#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QUdpSocket>
#include <functional>

#include "net/platedatagrams.h"
#include "net/platereply.h"

namespace delvora {

// The program's one datagram socket to the plates. It shares the plate port (UDP 8089 unless
// set otherwise) on all IPv4 addresses and hands each plate answer on as a signal; the main
// window connects to those signals queued, so that their handlers run after the current event.
//
// Only asked-for answers count: a datagram from another host is taken only when that address
// was sent a probe ("hello") within the last 3 s or an ID change within the last 10 s, and each
// such command admits one answer. Anything else is dropped, so a stray or forged datagram can
// never pose as a plate.
class PlateSocket : public QUdpSocket {
    Q_OBJECT
public:
    explicit PlateSocket(QObject *parent = nullptr);

    // The port the socket binds and sends commands to; before create().
    void setPlatePort(quint16 port) { m_port = port; }

    // Looks up the host's own address: the last IPv4 address its name resolves to. When the
    // name does not resolve, the address is left as it was.
    void findHostAddress();
    // Answers from this address (our own host) are ignored; 0.0.0.0 when unknown.
    void setHostAddress(const QHostAddress &address) { m_hostIp = address.toIPv4Address(); }
    // Binds to the plate port on every IPv4 address, sharing it with other sockets.
    bool create();
    // Sends one command to the plate port of a plate given as dotted text. Text that is not an
    // IPv4 address is not sent (never looked up as a host name), nor are addresses in
    // 0.0.0.0/8.
    bool sendTo(const QByteArray &datagram, const QString &address);
    // Admits one answer from `address` within `windowMs`; SendTo does this for the commands a
    // plate answers.
    void expectAnswer(const QHostAddress &address, int windowMs);
    // The clock the answer windows are measured by, in milliseconds; tests move it.
    void setClock(std::function<qint64()> clock) { m_clock = std::move(clock); }

    // The next answer of `plate` is its answer to an ID change to `newId`: it comes as
    // idChangeResult, not as a plate reply. Replaces an earlier wait.
    void awaitIdAnswer(const QHostAddress &plate, qint32 newId);
    // Gives up the wait; true when the answer was still awaited.
    bool stopAwaitingIdAnswer();
    bool isAwaitingIdAnswer() const { return m_waitIdReply; }

signals:
    void plateReply(const delvora::PlateReply &reply);
    // The awaited ID answer came: an IdChangeResult.
    void idChangeResult(int result);

private slots:
    void onReceive();

private:
    void handleDatagram(const QByteArray &data, const QHostAddress &sender, quint16 senderPort);
    // Uses up one admitted answer of this address; false when none is left.
    bool takeAnswer(const QHostAddress &address);

    quint16 m_port = kPlatePort;
    quint32 m_hostIp = 0;
    bool m_waitIdReply = false;
    qint32 m_newId = 0;
    QHostAddress m_idPlate; // the plate whose ID-change answer is awaited
    QElapsedTimer m_started;
    std::function<qint64()> m_clock;
    QHash<quint32, QList<qint64>> m_asked; // address -> deadline of each admitted answer
};

} // namespace delvora
