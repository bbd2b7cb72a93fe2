#include "net/picturedelivery.h"

#include <QHostAddress>
#include <QTcpSocket>

#include "net/pictureserver.h"
#include "net/platedatagrams.h"
#include "net/platesocket.h"

namespace delvora {

PictureDelivery::PictureDelivery(PictureServer &server, PlateSocket &socket, QObject *parent)
    : QObject(parent), m_server(server), m_udp(socket) {
    m_connectTimer.setSingleShot(true);
    // A coarse timer may fire early; the plate is given its full two seconds.
    m_connectTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_connectTimer, &QTimer::timeout, this, &PictureDelivery::onConnectTimeout);
    connect(&m_server, &PictureServer::plateConnected, this, &PictureDelivery::onPlateConnected);
    connect(&m_transfer, &PictureTransfer::finished, this, &PictureDelivery::onTransferFinished);
    connect(&m_transfer, &PictureTransfer::progressed, this, &PictureDelivery::progressed);
}

PictureDelivery::~PictureDelivery() {
    cancel();
}

void PictureDelivery::start(const QString &address, const QString &path, qint64 size) {
    cancel();
    m_path = path;
    ask(address, size);
}

void PictureDelivery::start(const QString &address, const QByteArray &jpeg) {
    cancel();
    m_jpeg = jpeg;
    ask(address, jpeg.size());
}

void PictureDelivery::ask(const QString &address, qint64 size) {
    m_address = address;
    m_server.prepareRequest(QHostAddress(address));
    m_stage = Stage::Waiting;
    m_udp.sendTo(pictureRequestDatagram(size), address);
    m_connectTimer.start(kConnectTimeoutMs);
}

void PictureDelivery::cancel() {
    if (m_stage == Stage::Idle)
        return;
    m_stage = Stage::Idle;
    m_connectTimer.stop();
    m_transfer.cancel();
    m_server.stopWaiting(QHostAddress(m_address));
    done();
}

void PictureDelivery::done() {
    if (m_socket)
        m_server.release(m_socket);
    m_socket = nullptr;
    m_path.clear();
    m_jpeg.clear();
}

void PictureDelivery::onPlateConnected(QTcpSocket *socket) {
    if (m_stage != Stage::Waiting ||
        !socket->peerAddress().isEqual(QHostAddress(m_address),
                                       QHostAddress::ConvertV4MappedToIPv4))
        return;
    m_connectTimer.stop();
    m_stage = Stage::Sending;
    m_socket = socket;
    m_server.claim(socket);
    if (m_path.isEmpty())
        m_transfer.sendPicture(socket, m_jpeg);
    else
        m_transfer.sendPicture(socket, m_path);
}

void PictureDelivery::onConnectTimeout() {
    // A connection that came in time but was not handled yet still wins.
    m_server.acceptWaiting();
    if (m_stage != Stage::Waiting)
        return;
    m_stage = Stage::Idle;
    m_server.stopWaiting(QHostAddress(m_address));
    done();
    emit finished(TimedOut);
}

void PictureDelivery::onTransferFinished(int result) {
    if (m_stage != Stage::Sending)
        return;
    m_stage = Stage::Idle;
    done();
    emit finished(result == PictureTransfer::Sent ? Delivered : Failed);
}

} // namespace delvora
