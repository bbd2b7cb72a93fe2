#pragma once

#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QWidget>

namespace delvora {

// The picture server: plates fetch their pictures from it over TCP. Only the plate that was
// asked for the current picture is served; any other connection is closed at once, so a plate
// that comes late never receives another plate's picture. The served connection stays open
// after its picture until the next request is prepared.
class PictureServer : public QObject {
    Q_OBJECT
public:
    static constexpr int kBacklog = 200;

    explicit PictureServer(QObject *parent = nullptr);

    // Listens on `port` of every IPv4 address. On failure the operator is warned with the
    // platform's error code and the server stays down, so every update then times out. Later
    // accept failures are reported to `owner` alike and also end the server.
    bool StartPictureServer(quint16 port, QWidget *owner);
    bool isListening() const { return m_sockListen.isListening(); }
    quint16 port() const { return m_sockListen.serverPort(); }

    // Closes the connection of the previous picture and awaits a connection from `plate`.
    void PrepareRequest(const QHostAddress &plate);
    // No plate is awaited any more; connections are closed as they come.
    void StopWaiting();
    // Takes the connections that reached the listening socket but were not handled yet, so that
    // one that arrived in time is not lost to a time-out that is handled first.
    void AcceptWaiting();

    // The connection of the plate that was asked last, once it connected.
    QTcpSocket *plateConnection() const { return m_sockPlate; }

signals:
    // The awaited plate connected; the socket stays the server's.
    void plateConnected(QTcpSocket *socket);

private:
    void OnNewConnection();
    void OnAcceptError(QAbstractSocket::SocketError error);
    void ClosePlateConnection();

    QTcpServer m_sockListen;
    QPointer<QTcpSocket> m_sockPlate;
    QHostAddress m_expected; // null while no plate is awaited
    QPointer<QWidget> m_owner;
};

} // namespace delvora
