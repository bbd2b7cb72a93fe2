#include "net/picturedelivery.h"

#include <QHostAddress>
#include <QTcpSocket>

#include "net/networkparameters.h"
#include "net/pictureserver.h"
#include "net/platedatagrams.h"
#include "net/platesocket.h"

namespace delvora {

PictureDelivery::PictureDelivery(PictureServer &server, PlateSocket &socket, QObject *parent)
    : QObject(parent), m_server(server), m_udp(socket) {
    m_connectTimer.setSingleShot(true);
    // A coarse timer may fire early; the plate is given its full two seconds.
    m_connectTimer.setTimerType(Qt::PreciseTimer);
    m_connectTimer.setInterval(NetworkParameters{}.connectTimeoutMs);
    connect(&m_connectTimer, &QTimer::timeout, this, &PictureDelivery::onConnectTimeout);
    connect(&m_transfer, &PictureTransfer::finished, this, &PictureDelivery::onTransferFinished);
    connect(&m_transfer, &PictureTransfer::progressed, this, &PictureDelivery::progressed);
}

PictureDelivery::~PictureDelivery() {
    cancel();
}

void PictureDelivery::setTimeLimits(int connectMs, int stallMs) {
    m_connectTimer.setInterval(connectMs);
    m_transfer.setStallTimeout(stallMs);
}

void PictureDelivery::start(const QString &address, const QByteArray &jpeg) {
    cancel();
    m_jpeg = jpeg;
    m_address = address;
    m_server.prepareRequest(QHostAddress(address),
                            [this](QTcpSocket *socket) { onPlateConnected(socket); });
    m_stage = Stage::Waiting;
    m_udp.sendTo(pictureRequestDatagram(jpeg.size()), address);
    m_connectTimer.start();
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
    m_jpeg.clear();
}

void PictureDelivery::onPlateConnected(QTcpSocket *socket) {
    if (m_stage != Stage::Waiting)
        return;
    m_connectTimer.stop();
    m_stage = Stage::Sending;
    m_socket = socket;
    m_server.claim(socket);
    m_transfer.sendPicture(socket, m_jpeg);
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
