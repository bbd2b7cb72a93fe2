#pragma once

#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <functional>

namespace delvora {

// The picture server: plates fetch their pictures from it over TCP. Only plates that were asked
// for a picture and have not connected yet are served, each once; any other connection is
// closed at once, so a plate that comes late never receives another plate's picture. Several
// plates may be awaited at once; each connection is told by its peer address and handed to the
// one that awaits that plate. A served connection stays open after its picture until the next
// request is prepared.
class PictureServer : public QObject {
    Q_OBJECT
public:
    static constexpr int kBacklog = 200;
    // Takes the connection of an awaited plate; the socket stays the server's.
    using Taker = std::function<void(QTcpSocket *socket)>;

    explicit PictureServer(QObject *parent = nullptr);

    // Listens on `port` of every IPv4 address. On failure the server stays down, so every
    // update then times out; the operator is to be told the message, which names the failed
    // step and the platform's error code. Empty when it listens.
    QString startPictureServer(quint16 port);
    bool isListening() const { return m_listener.isListening(); }
    quint16 port() const { return m_listener.serverPort(); }

    // Closes the connections of earlier pictures that are not in use and awaits a connection
    // from `plate`, which goes to `take` (replacing an earlier taker of that plate).
    void prepareRequest(const QHostAddress &plate, Taker take = {});
    // This plate is not awaited any more.
    void stopWaiting(const QHostAddress &plate);
    // A connection carrying a picture is in use until it is released; PrepareRequest leaves it
    // open meanwhile.
    void claim(QTcpSocket *socket);
    void release(QTcpSocket *socket);
    // Takes the connections that reached the listening socket but were not handled yet, so that
    // one that arrived in time is not lost to a time-out that is handled first.
    void acceptWaiting();

signals:
    // An awaited plate connected and was handed to its taker; the socket stays the server's.
    void plateConnected(QTcpSocket *socket);
    // Accepting a connection failed with this platform code; the server is down. The operator
    // is to be told updatetexts::acceptError(code).
    void acceptFailed(int code);

private:
    void onNewConnection();
    void onAcceptError(QAbstractSocket::SocketError error);
    void closePlateConnections();

    QTcpServer m_listener;
    QList<QPointer<QTcpSocket>> m_served; // open connections that carried or carry a picture
    QList<QPointer<QTcpSocket>> m_claimed;
    QHash<quint32, Taker> m_expected; // the plates awaited
};

} // namespace delvora
