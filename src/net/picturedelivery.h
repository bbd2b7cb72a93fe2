#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include "net/picturetransfer.h"

class QProgressBar;
class QTcpSocket;

namespace delvora {

class CUdpSocket;
class PictureServer;

// One picture to one plate: the previous plate's connection is closed, the plate is asked to
// fetch the picture, and once it connects within the time allowed the file is streamed to it.
class PictureDelivery : public QObject {
    Q_OBJECT
public:
    enum Outcome { Delivered, TimedOut, Failed };
    static constexpr int kConnectTimeoutMs = 2000;

    PictureDelivery(PictureServer &server, CUdpSocket &socket, QObject *parent = nullptr);
    ~PictureDelivery() override;

    void setProgressBar(QProgressBar *bar) { m_transfer.setProgressBar(bar); }

    // Asks the plate at `address` for a connection and sends it `path`, announced as `size`
    // bytes; `finished` follows.
    void Start(const QString &address, const QString &path, qint64 size);
    // Gives up a delivery in progress without a result.
    void Cancel();
    bool isActive() const { return m_stage != Stage::Idle; }

signals:
    void finished(delvora::PictureDelivery::Outcome outcome);

private:
    enum class Stage { Idle, Waiting, Sending };

    void OnPlateConnected(QTcpSocket *socket);
    void OnConnectTimeout();
    void OnTransferFinished(int result);

    PictureServer &m_server;
    CUdpSocket &m_udp;
    Stage m_stage = Stage::Idle;
    QString m_path;
    QTimer m_connectTimer; // the wait for the plate's connection
    PictureTransfer m_transfer;
};

} // namespace delvora
