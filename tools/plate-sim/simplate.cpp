#include "simplate.h"

#include <QDir>
#include <QSaveFile>
#include <QTimer>

#include "simcommand.h"

namespace platesim {

SimPlate::SimPlate(const PlateConfig &config, const QString &pictureDir, QObject *parent)
    : QObject(parent), m_config(config), m_pictureDir(pictureDir), m_id(config.id) {
    connect(&m_udp, &QUdpSocket::readyRead, this, &SimPlate::onDatagrams);
}

bool SimPlate::bind(QString &error) {
    // The program under test shares the plate port on all addresses; both sides need the port
    // shared, and datagrams to this address then reach this narrower binding.
    if (!m_udp.bind(QHostAddress(m_config.address), m_config.udpPort,
                    QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint)) {
        error = QStringLiteral("cannot bind %1:%2: %3")
                    .arg(m_config.address)
                    .arg(m_config.udpPort)
                    .arg(m_udp.errorString());
        return false;
    }
    return true;
}

QString SimPlate::line(const QString &kind) const {
    return QStringLiteral("%1 plate=%2 id=%3").arg(kind, m_config.address).arg(m_id);
}

void SimPlate::onDatagrams() {
    while (m_udp.hasPendingDatagrams()) {
        QByteArray data(int(qMax<qint64>(m_udp.pendingDatagramSize(), 0)), '\0');
        QHostAddress from;
        const qint64 got = m_udp.readDatagram(data.data(), data.size(), &from);
        if (got < 0)
            break;
        data.truncate(got);
        handle(ParseCommand(data), data, QHostAddress(from.toIPv4Address()));
    }
}

void SimPlate::handle(const SimCommand &command, const QByteArray &raw, const QHostAddress &from) {
    const QString sender = from.toString();
    switch (command.kind) {
    case SimCommand::Hello:
        emit event(line(QStringLiteral("hello")) + QStringLiteral(" from=%1 answered=%2")
                                                       .arg(sender, m_config.silent
                                                                        ? QStringLiteral("no")
                                                                        : QStringLiteral("yes")));
        reply(m_config.discoveryAnswer.value_or(IdAnswer(m_id)), from);
        break;
    case SimCommand::PictureRequest:
        emit event(line(QStringLiteral("picture-request")) +
                   QStringLiteral(" from=%1 size=%2").arg(sender).arg(command.pictureSize));
        requestPicture(command.pictureSize, from);
        break;
    case SimCommand::IdChange: {
        const int old = m_id;
        m_id = command.newId;
        const int answerId = m_config.idAnswer.value_or(m_id);
        emit event(QStringLiteral("id plate=%1 old=%2 new=%3 answer=%4")
                       .arg(m_config.address)
                       .arg(old)
                       .arg(m_id)
                       .arg(m_config.silent ? QStringLiteral("none") : QString::number(answerId)));
        reply(IdAnswer(answerId), from);
        emit changed();
        break;
    }
    case SimCommand::AddressChange:
        emit event(line(QStringLiteral("ip")) +
                   QStringLiteral(" address=%1 mask=%2 gateway=%3")
                       .arg(QString::fromLatin1(DottedOctets(command.octets, 0)),
                            QString::fromLatin1(DottedOctets(command.octets, 4)),
                            QString::fromLatin1(DottedOctets(command.octets, 8))));
        break;
    case SimCommand::FactoryReset:
        emit event(line(QStringLiteral("reset")));
        m_id = 0;
        if (!m_picturePath.isEmpty())
            QFile::remove(m_picturePath);
        m_picturePath.clear();
        emit changed();
        break;
    case SimCommand::Unknown:
        emit event(
            line(QStringLiteral("unknown")) +
            QStringLiteral(" from=%1 bytes=%2").arg(sender, QString::fromLatin1(raw.toHex())));
        break;
    }
}

void SimPlate::reply(const QByteArray &datagram, const QHostAddress &to) {
    if (!m_config.silent)
        m_udp.writeDatagram(datagram, to, m_config.udpPort);
}

void SimPlate::requestPicture(qint64 size, const QHostAddress &server) {
    // A new request replaces a transfer still in progress.
    ++m_generation;
    if (QTcpSocket *old = m_transfer) {
        m_transfer = nullptr;
        old->disconnect(this);
        old->abort();
        old->deleteLater();
        failPicture(QStringLiteral("replaced"));
    }
    m_expected = size;
    m_received.clear();
    m_stalled = false;
    if (m_config.noConnect)
        return;
    const quint64 generation = m_generation;
    if (m_config.connectDelayMs > 0) {
        QTimer::singleShot(m_config.connectDelayMs, this,
                           [this, generation, server] { connectForPicture(generation, server); });
    } else {
        connectForPicture(generation, server);
    }
}

void SimPlate::connectForPicture(quint64 generation, const QHostAddress &server) {
    if (generation != m_generation)
        return;
    auto *socket = new QTcpSocket(this);
    m_transfer = socket;
    if (m_config.readLimit >= 0)
        socket->setReadBufferSize(4096); // an unread socket must push back on the sender
    connect(socket, &QTcpSocket::connected, this, [this, socket] { onPictureData(socket); });
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onPictureData(socket); });
    connect(socket, &QTcpSocket::disconnected, this, [this, socket] { onPictureClosed(socket); });
    connect(socket, &QTcpSocket::errorOccurred, this, [this, socket] {
        if (socket->state() != QAbstractSocket::ConnectedState)
            onPictureClosed(socket);
    });
    if (m_config.chatter > 0) {
        connect(socket, &QTcpSocket::connected, this, [socket, n = m_config.chatter] {
            QByteArray noise(n, '\0');
            for (qint64 i = 0; i < n; ++i)
                noise[i] = char((i * 131 + 7) & 0xFF);
            socket->write(noise);
        });
    }
    if (m_config.connectTwice)
        connect(socket, &QTcpSocket::connected, this, [this, server] { connectExtra(server); });
    // The plate connects from its own address, as a real plate on the network would.
    socket->bind(QHostAddress(m_config.address), 0);
    socket->connectToHost(server, m_config.picturePort);
}

void SimPlate::connectExtra(const QHostAddress &server) {
    // A second connection from the same address once the first stands; the log tells whether
    // the program closed it and whether any picture bytes came on it (left unread till then).
    auto *extra = new QTcpSocket(this);
    connect(extra, &QTcpSocket::stateChanged, this, [this, extra](QAbstractSocket::SocketState s) {
        if (s != QAbstractSocket::UnconnectedState)
            return;
        emit event(line(QStringLiteral("extra-connection")) +
                   QStringLiteral(" closed-by=%1 received=%2")
                       .arg(extra->error() == QAbstractSocket::ConnectionRefusedError
                                ? QStringLiteral("refused")
                                : QStringLiteral("program"))
                       .arg(extra->bytesAvailable()));
        extra->deleteLater();
    });
    extra->bind(QHostAddress(m_config.address), 0);
    extra->connectToHost(server, m_config.picturePort);
}

void SimPlate::onPictureData(QTcpSocket *socket) {
    if (socket != m_transfer || m_stalled)
        return;
    qint64 want = m_expected - m_received.size();
    if (m_config.readLimit >= 0)
        want = qMin(want, m_config.readLimit - m_received.size());
    if (m_config.closeAfter >= 0)
        want = qMin(want, m_config.closeAfter - m_received.size());
    m_received += socket->read(qMax<qint64>(want, 0));
    const qint64 got = m_received.size();
    if (got == m_expected) {
        const qint64 extra = socket->bytesAvailable();
        m_transfer = nullptr;
        socket->disconnect(this);
        socket->disconnectFromHost();
        socket->deleteLater();
        storePicture();
        if (extra > 0)
            emit event(line(QStringLiteral("picture-extra")) +
                       QStringLiteral(" bytes=%1").arg(extra));
    } else if (m_config.closeAfter >= 0 && got >= m_config.closeAfter) {
        m_transfer = nullptr;
        socket->disconnect(this);
        socket->abort();
        socket->deleteLater();
        failPicture(QStringLiteral("closed-early"));
    } else if (m_config.readLimit >= 0 && got >= m_config.readLimit) {
        m_stalled = true;
        emit event(line(QStringLiteral("picture-stalled")) +
                   QStringLiteral(" size=%1 received=%2").arg(m_expected).arg(got));
    }
}

void SimPlate::onPictureClosed(QTcpSocket *socket) {
    if (socket != m_transfer)
        return;
    m_transfer = nullptr;
    socket->disconnect(this);
    socket->deleteLater();
    failPicture(socket->error() == QAbstractSocket::ConnectionRefusedError
                    ? QStringLiteral("refused")
                    : QStringLiteral("closed"));
}

void SimPlate::storePicture() {
    QDir().mkpath(m_pictureDir);
    const QString path = QDir(m_pictureDir).filePath(QStringLiteral("%1.jpg").arg(m_id));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(m_received) != m_received.size() ||
        !file.commit()) {
        failPicture(QStringLiteral("cannot-store"));
        return;
    }
    m_picturePath = path;
    emit event(line(QStringLiteral("picture")) + QStringLiteral(" size=%1 received=%2 file=%3")
                                                     .arg(m_expected)
                                                     .arg(m_received.size())
                                                     .arg(QDir::toNativeSeparators(path)));
    emit changed();
}

void SimPlate::failPicture(const QString &reason) {
    emit event(line(QStringLiteral("picture-failed")) +
               QStringLiteral(" size=%1 received=%2 reason=%3")
                   .arg(m_expected)
                   .arg(m_received.size())
                   .arg(reason));
}

} // namespace platesim
