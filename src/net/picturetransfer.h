#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>
#include <memory>

class QIODevice;

namespace delvora {

// Streams one picture file over a plate's connection, from the first byte to the last and
// nothing else, in blocks of at most 10000 bytes written as the connection takes them; progress
// is told in bytes handed to the system. The picture counts as sent only once every byte has
// left the program; a plate that takes nothing for 10 seconds (unless set otherwise) fails it.
class PictureTransfer : public QObject {
    Q_OBJECT
public:
    enum Result { Sent = 0, NoFile = -1, ShortCount = -3 };
    static constexpr qint64 kBlockSize = 10000;
    static constexpr int kSendBuffer = 64 * 1024;

    explicit PictureTransfer(QObject *parent = nullptr);
    ~PictureTransfer() override;

    void setStallTimeout(int ms) { m_stallTimer.setInterval(ms); }

    // Starts sending `path` on `socket`; `finished` follows, at once when the file cannot be
    // opened. On failure the connection is dropped: the plate can do nothing with a part.
    void sendPicture(QTcpSocket *socket, const QString &path);
    // The same for a picture held in memory.
    void sendPicture(QTcpSocket *socket, const QByteArray &jpeg);
    // Ends a transfer in progress without a result.
    void cancel();
    bool isActive() const { return m_socket != nullptr; }

signals:
    void finished(int result);
    // Bytes handed to the system so far, of `size`; 0 when the transfer starts.
    void progressed(qint64 sent, qint64 size);

private:
    void send(QTcpSocket *socket, std::unique_ptr<QIODevice> source);
    void writeBlocks();
    void onBytesWritten(qint64 bytes);
    void finish(int result);

    QPointer<QTcpSocket> m_socket;
    std::unique_ptr<QIODevice> m_file; // the picture being sent
    QTimer m_stallTimer;
    qint64 m_size = 0;
    qint64 m_total = 0;   // bytes handed to the system
    bool m_atEnd = false; // the whole file is read
    bool m_readFailed = false;
};

} // namespace delvora
