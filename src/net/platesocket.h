#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QUdpSocket>
#include <functional>

#include "net/platereply.h"

namespace delvora {

// The program's one datagram socket to the plates. It shares UDP port 8089 on all IPv4
// addresses and hands each plate answer on as a signal; the main window connects to those
// signals queued, so that their handlers run after the current event.
//
// Only asked-for answers count: a datagram from another host is taken only when that address
// was sent a probe ("hello") within the last 3 s or an ID change within the last 10 s, and each
// such command admits one answer. Anything else is dropped, so a stray or forged datagram can
// never pose as a plate.
class PlateSocket : public QUdpSocket {
    Q_OBJECT
public:
    explicit PlateSocket(QObject *parent = nullptr);

    // Looks up the host's own address: the last IPv4 address its name resolves to. When the
    // name does not resolve, m_hostIp keeps its value.
    void findHostAddress();
    // Binds to the plate port on every IPv4 address, sharing it with other sockets.
    bool create();
    // Sends one command to port 8089 of a plate given as dotted text. Text that is not an
    // IPv4 address is not sent (never looked up as a host name), nor are addresses in
    // 0.0.0.0/8.
    bool sendTo(const QByteArray &datagram, const QString &address);
    // Admits one answer from `address` within `windowMs`; SendTo does this for the commands a
    // plate answers.
    void expectAnswer(const QHostAddress &address, int windowMs);
    // The clock the answer windows are measured by, in milliseconds; tests move it.
    void setClock(std::function<qint64()> clock) { m_clock = std::move(clock); }

    quint32 m_hostIp = 0; // answers from our own host are ignored; 0.0.0.0 when unknown
    bool m_waitIdReply = false;
    qint32 m_newId = 0;
    QHostAddress m_sender; // sender of the datagram being handled
    quint16 m_senderPort = 0;
    QHostAddress m_idPlate; // the plate whose ID-change answer is awaited

signals:
    void plateReply(const delvora::PlateReply &reply);
    void idChangeResult(int result);

private slots:
    void onReceive();

private:
    void handleDatagram(const QByteArray &data);
    // Uses up one admitted answer of this address; false when none is left.
    bool takeAnswer(const QHostAddress &address);

    QElapsedTimer m_started;
    std::function<qint64()> m_clock;
    QHash<quint32, QList<qint64>> m_asked; // address -> deadline of each admitted answer
};

} // namespace delvora
