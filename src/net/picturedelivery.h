#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include "net/picturetransfer.h"

class QTcpSocket;

namespace delvora {

class PlateSocket;
class PictureServer;

// One picture to one plate: earlier plates' finished connections are closed, the plate is asked
// to fetch the picture, and once it connects within the time allowed the picture is streamed to
// it. Several deliveries may run at once, each to its own plate: the server hands a delivery only
// the connection that comes from its plate's address.
class PictureDelivery : public QObject {
    Q_OBJECT
public:
    enum Outcome { Delivered, TimedOut, Failed };
    PictureDelivery(PictureServer &server, PlateSocket &socket, QObject *parent = nullptr);
    ~PictureDelivery() override;

    // How long the plate has to connect (2 s unless set otherwise), and to take the next bytes
    // of its picture.
    void setTimeLimits(int connectMs, int stallMs);

    // Asks the plate at `address` for a connection and sends it `jpeg`, announced with its
    // size; `finished` follows.
    void start(const QString &address, const QByteArray &jpeg);
    // Gives up a delivery in progress without a result.
    void cancel();
    bool isActive() const { return m_stage != Stage::Idle; }
    QString address() const { return m_address; }

signals:
    void finished(delvora::PictureDelivery::Outcome outcome);
    // Bytes of the picture handed to the system so far, of `size`.
    void progressed(qint64 sent, qint64 size);

private:
    enum class Stage { Idle, Waiting, Sending };

    // Lets go of the plate's connection and the picture.
    void done();
    void onPlateConnected(QTcpSocket *socket);
    void onConnectTimeout();
    void onTransferFinished(int result);

    PictureServer &m_server;
    PlateSocket &m_udp;
    Stage m_stage = Stage::Idle;
    QString m_address;
    QByteArray m_jpeg;
    QPointer<QTcpSocket> m_socket; // the plate's connection while it is sent to
    QTimer m_connectTimer;         // the wait for the plate's connection
    PictureTransfer m_transfer;
};

} // namespace delvora
