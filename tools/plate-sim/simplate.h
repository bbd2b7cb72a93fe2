#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QTcpSocket>
#include <QUdpSocket>

#include "plateconfig.h"

namespace platesim {

struct SimCommand;

// One simulated desk plate: it listens on its own loopback address, UDP port 8089 unless told
// otherwise, answers discovery and ID changes with its ID, and fetches its picture over TCP
// (port 8087) when asked.
class SimPlate : public QObject {
    Q_OBJECT
public:
    SimPlate(const PlateConfig &config, const QString &pictureDir, QObject *parent = nullptr);

    bool bind(QString &error);

    int id() const { return m_id; }
    QString address() const { return m_config.address; }
    // The file of the picture the plate shows; empty when it has none.
    QString picturePath() const { return m_picturePath; }

signals:
    // One line of the simulator's log.
    void event(const QString &line);
    // The ID or the picture changed.
    void changed();

private:
    void onDatagrams();
    void handle(const SimCommand &command, const QByteArray &raw, const QHostAddress &from);
    // Sends a datagram back unless the plate is silent.
    void reply(const QByteArray &datagram, const QHostAddress &to);
    void requestPicture(qint64 size, const QHostAddress &server);
    void connectForPicture(quint64 generation, const QHostAddress &server);
    void connectExtra(const QHostAddress &server);
    void onPictureData(QTcpSocket *socket);
    void onPictureClosed(QTcpSocket *socket);
    void storePicture();
    void failPicture(const QString &reason);
    QString line(const QString &kind) const;

    PlateConfig m_config;
    QString m_pictureDir;
    int m_id = 0;
    QString m_picturePath;
    QUdpSocket m_udp;

    // The picture transfer in progress.
    QPointer<QTcpSocket> m_transfer;
    quint64 m_generation = 0;
    qint64 m_expected = 0;
    QByteArray m_received;
    bool m_stalled = false;
};

} // namespace platesim
