#include "net/pictureserver.h"

#include <QTcpSocket>

#include "net/listensocket.h"
#include "net/updatetexts.h"

namespace delvora {

PictureServer::PictureServer(QObject *parent) : QObject(parent) {
    m_listener.setMaxPendingConnections(kBacklog);
    connect(&m_listener, &QTcpServer::newConnection, this, &PictureServer::onNewConnection);
    connect(&m_listener, &QTcpServer::acceptError, this, &PictureServer::onAcceptError);
}

QString PictureServer::startPictureServer(quint16 port) {
    const ListenSocket socket = openListenSocket(port, kBacklog);
    if (socket.step == ListenSocket::BindFailed)
        return updatetexts::bindError(socket.error);
    if (socket.step == ListenSocket::ListenFailed)
        return updatetexts::listenError(socket.error);
    if (!m_listener.setSocketDescriptor(socket.descriptor)) {
        // Qt could not take the socket over; that is as good as a failed listen.
        const int error = lastSocketError();
        closeListenSocket(socket.descriptor);
        return updatetexts::listenError(error);
    }
    return {};
}

void PictureServer::prepareRequest(const QHostAddress &plate, Taker take) {
    closePlateConnections();
    m_expected.insert(plate.toIPv4Address(), std::move(take));
}

void PictureServer::stopWaiting(const QHostAddress &plate) {
    m_expected.remove(plate.toIPv4Address());
}

void PictureServer::claim(QTcpSocket *socket) {
    m_claimed.append(socket);
}

void PictureServer::release(QTcpSocket *socket) {
    m_claimed.removeAll(socket);
}

void PictureServer::acceptWaiting() {
    if (!m_listener.isListening())
        return;
    bool timedOut = false;
    m_listener.waitForNewConnection(0, &timedOut); // handles them through newConnection
}

void PictureServer::closePlateConnections() {
    m_claimed.removeAll(nullptr);
    for (auto it = m_served.begin(); it != m_served.end();) {
        QTcpSocket *old = *it;
        if (old && m_claimed.contains(old)) {
            ++it;
            continue;
        }
        it = m_served.erase(it);
        if (!old)
            continue;
        // Everything written has reached the system by now, which sends it before the close.
        // Unsent bytes remain only after a failed transfer; they are dropped.
        if (old->bytesToWrite() > 0)
            old->abort();
        else
            old->disconnectFromHost();
        old->deleteLater();
    }
}

void PictureServer::onNewConnection() {
    while (QTcpSocket *socket = m_listener.nextPendingConnection()) {
        bool isV4 = false;
        const quint32 peer = socket->peerAddress().toIPv4Address(&isV4);
        const auto expected = isV4 ? m_expected.find(peer) : m_expected.end();
        if (expected == m_expected.end()) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        const Taker take = std::move(*expected);
        m_expected.erase(expected);
        m_served.append(socket);
        // A plate has nothing to say on this connection; whatever it sends is not kept.
        connect(socket, &QTcpSocket::readyRead, socket,
                [socket] { socket->skip(socket->bytesAvailable()); });
        if (take)
            take(socket);
        emit plateConnected(socket);
    }
}

void PictureServer::onAcceptError(QAbstractSocket::SocketError error) {
    const int code = acceptErrorCode(error, lastSocketError());
    m_listener.close();
    m_expected.clear();
    emit acceptFailed(code);
}

} // namespace delvora
