#pragma once

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QWidget>

namespace delvora {

// The picture server: plates fetch their pictures from it over TCP. Only plates that were asked
// for a picture and have not connected yet are served, each once; any other connection is
// closed at once, so a plate that comes late never receives another plate's picture. Several
// plates may be awaited at once; each connection is told by its peer address. A served
// connection stays open after its picture until the next request is prepared.
class PictureServer : public QObject {
    Q_OBJECT
public:
    static constexpr int kBacklog = 200;

    explicit PictureServer(QObject *parent = nullptr);

    // Listens on `port` of every IPv4 address. On failure the operator is warned with the
    // platform's error code and the server stays down, so every update then times out. Later
    // accept failures are reported to `owner` alike and also end the server.
    bool startPictureServer(quint16 port, QWidget *owner);
    bool isListening() const { return m_listener.isListening(); }
    quint16 port() const { return m_listener.serverPort(); }

    // Closes the connections of earlier pictures that are not in use and awaits a connection
    // from `plate`.
    void prepareRequest(const QHostAddress &plate);
    // No plate is awaited any more; connections are closed as they come.
    void stopWaiting();
    // This plate is not awaited any more.
    void stopWaiting(const QHostAddress &plate);
    // A connection carrying a picture is in use until it is released; PrepareRequest leaves it
    // open meanwhile.
    void claim(QTcpSocket *socket);
    void release(QTcpSocket *socket);
    // Takes the connections that reached the listening socket but were not handled yet, so that
    // one that arrived in time is not lost to a time-out that is handled first.
    void acceptWaiting();

    // The connection of the plate that was asked last, once it connected.
    QTcpSocket *plateConnection() const { return m_plateSocket; }

signals:
    // An awaited plate connected; the socket stays the server's.
    void plateConnected(QTcpSocket *socket);

private:
    void onNewConnection();
    void onAcceptError(QAbstractSocket::SocketError error);
    void closePlateConnections();

    QTcpServer m_listener;
    QPointer<QTcpSocket> m_plateSocket;   // the last one served
    QList<QPointer<QTcpSocket>> m_served; // open connections that carried or carry a picture
    QList<QPointer<QTcpSocket>> m_claimed;
    QList<quint32> m_expected; // the plates awaited
    QPointer<QWidget> m_owner;
};

} // namespace delvora
