#include "net/picturetransfer.h"

#include <QBuffer>
#include <QFile>
#include <QTcpSocket>

#include "net/networkparameters.h"

namespace delvora {

PictureTransfer::PictureTransfer(QObject *parent) : QObject(parent) {
    m_stallTimer.setSingleShot(true);
    m_stallTimer.setTimerType(Qt::PreciseTimer);
    m_stallTimer.setInterval(NetworkParameters{}.stallTimeoutMs);
    connect(&m_stallTimer, &QTimer::timeout, this, [this] { finish(ShortCount); });
}

PictureTransfer::~PictureTransfer() = default;

void PictureTransfer::sendPicture(QTcpSocket *socket, const QString &path) {
    send(socket, std::make_unique<QFile>(path));
}

void PictureTransfer::sendPicture(QTcpSocket *socket, const QByteArray &jpeg) {
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(jpeg);
    send(socket, std::move(buffer));
}

void PictureTransfer::send(QTcpSocket *socket, std::unique_ptr<QIODevice> source) {
    cancel();
    if (!source->open(QIODevice::ReadOnly)) {
        emit finished(NoFile);
        return;
    }
    m_file = std::move(source);
    m_socket = socket;
    // What the system holds for a plate is what the plate may never read: keep it to the
    // classic Windows default, so that a plate that stops reading stalls the transfer instead
    // of letting a large picture pass as sent.
    socket->setSocketOption(QAbstractSocket::SendBufferSizeSocketOption, kSendBuffer);
    m_size = m_file->size();
    m_total = 0;
    m_atEnd = false;
    m_readFailed = false;
    emit progressed(0, m_size);
    connect(socket, &QTcpSocket::bytesWritten, this, &PictureTransfer::onBytesWritten);
    connect(socket, &QTcpSocket::errorOccurred, this, [this] { finish(ShortCount); });
    connect(socket, &QTcpSocket::disconnected, this, [this] { finish(ShortCount); });
    m_stallTimer.start();
    if (socket->state() != QAbstractSocket::ConnectedState) {
        finish(ShortCount);
        return;
    }
    writeBlocks();
}

void PictureTransfer::writeBlocks() {
    // One block at a time: the next is read once the system has taken the last one.
    char block[kBlockSize];
    while (m_socket && !m_atEnd && m_socket->bytesToWrite() == 0) {
        const qint64 got = m_file->read(block, kBlockSize);
        if (got <= 0) {
            m_atEnd = true;
            m_readFailed = got < 0;
            break;
        }
        if (m_socket->write(block, got) != got) {
            finish(ShortCount);
            return;
        }
    }
    if (m_socket && m_atEnd && m_socket->bytesToWrite() == 0)
        finish(m_total == m_size && !m_readFailed ? Sent : ShortCount);
}

void PictureTransfer::onBytesWritten(qint64 bytes) {
    m_total += bytes;
    emit progressed(m_total, m_size);
    m_stallTimer.start();
    writeBlocks();
}

void PictureTransfer::cancel() {
    m_stallTimer.stop();
    if (m_socket)
        m_socket->disconnect(this);
    m_socket = nullptr;
    m_file.reset();
}

void PictureTransfer::finish(int result) {
    if (!m_socket)
        return;
    QTcpSocket *socket = m_socket;
    cancel();
    if (result != Sent)
        socket->abort();
    emit finished(result);
}

} // namespace delvora
