#include "net/picturedelivery.h"

#include <QHostAddress>
#include <QTcpSocket>

#include "net/pictureserver.h"
#include "net/platedatagrams.h"
#include "net/udpsocket.h"

namespace delvora {

PictureDelivery::PictureDelivery(PictureServer &server, CUdpSocket &socket, QObject *parent)
    : QObject(parent), m_server(server), m_udp(socket) {
    m_connectTimer.setSingleShot(true);
    // A coarse timer may fire early; the plate is given its full two seconds.
    m_connectTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_connectTimer, &QTimer::timeout, this, &PictureDelivery::OnConnectTimeout);
    connect(&m_server, &PictureServer::plateConnected, this, &PictureDelivery::OnPlateConnected);
    connect(&m_transfer, &PictureTransfer::finished, this, &PictureDelivery::OnTransferFinished);
    connect(&m_transfer, &PictureTransfer::progressed, this, &PictureDelivery::progressed);
}

PictureDelivery::~PictureDelivery() {
    Cancel();
}

void PictureDelivery::Start(const QString &address, const QString &path, qint64 size) {
    Cancel();
    m_path = path;
    Ask(address, size);
}

void PictureDelivery::Start(const QString &address, const QByteArray &jpeg) {
    Cancel();
    m_jpeg = jpeg;
    Ask(address, jpeg.size());
}

void PictureDelivery::Ask(const QString &address, qint64 size) {
    m_address = address;
    m_server.PrepareRequest(QHostAddress(address));
    m_stage = Stage::Waiting;
    m_udp.SendTo(PictureRequestDatagram(size), address);
    m_connectTimer.start(kConnectTimeoutMs);
}

void PictureDelivery::Cancel() {
    if (m_stage == Stage::Idle)
        return;
    m_stage = Stage::Idle;
    m_connectTimer.stop();
    m_transfer.Cancel();
    m_server.StopWaiting(QHostAddress(m_address));
    Done();
}

void PictureDelivery::Done() {
    if (m_socket)
        m_server.Release(m_socket);
    m_socket = nullptr;
    m_path.clear();
    m_jpeg.clear();
}

void PictureDelivery::OnPlateConnected(QTcpSocket *socket) {
    if (m_stage != Stage::Waiting ||
        !socket->peerAddress().isEqual(QHostAddress(m_address),
                                       QHostAddress::ConvertV4MappedToIPv4))
        return;
    m_connectTimer.stop();
    m_stage = Stage::Sending;
    m_socket = socket;
    m_server.Claim(socket);
    if (m_path.isEmpty())
        m_transfer.SendPicture(socket, m_jpeg);
    else
        m_transfer.SendPicture(socket, m_path);
}

void PictureDelivery::OnConnectTimeout() {
    // A connection that came in time but was not handled yet still wins.
    m_server.AcceptWaiting();
    if (m_stage != Stage::Waiting)
        return;
    m_stage = Stage::Idle;
    m_server.StopWaiting(QHostAddress(m_address));
    Done();
    emit finished(TimedOut);
}

void PictureDelivery::OnTransferFinished(int result) {
    if (m_stage != Stage::Sending)
        return;
    m_stage = Stage::Idle;
    Done();
    emit finished(result == PictureTransfer::Sent ? Delivered : Failed);
}

} // namespace delvora
