#include <QProgressBar>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include "net/picturetransfer.h"
#include "support/tempworkdir.h"

using namespace delvora;
using delvora::test::TempWorkDir;

// Streaming one picture file over a connection: the bytes, the progress bar and the results.
class TestPictureTransfer : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void sendsTheFileBlockByBlock_data();
    void sendsTheFileBlockByBlock();
    void missingFileIsNoFile();
    void plateClosingEarlyIsShortCount();

private:
    QByteArray writeFile(qsizetype size);

    std::unique_ptr<TempWorkDir> m_dir;
    QTcpServer m_listener;
    std::unique_ptr<QTcpSocket> m_plate; // the plate's end
    QTcpSocket *m_connection = nullptr;  // the program's end
};

void TestPictureTransfer::init() {
    m_dir = std::make_unique<TempWorkDir>();
    QVERIFY(m_listener.listen(QHostAddress::LocalHost));
    m_plate = std::make_unique<QTcpSocket>();
    m_plate->connectToHost(QHostAddress::LocalHost, m_listener.serverPort());
    QVERIFY(m_listener.waitForNewConnection(5000));
    m_connection = m_listener.nextPendingConnection();
    QVERIFY(m_plate->waitForConnected(5000));
}

void TestPictureTransfer::cleanup() {
    m_plate.reset();
    delete m_connection;
    m_connection = nullptr;
    m_listener.close();
    m_dir.reset();
}

QByteArray TestPictureTransfer::writeFile(qsizetype size) {
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator random(size);
    for (char &c : bytes)
        c = char(random.bounded(256));
    m_dir->write(QStringLiteral("x.jpg"), bytes);
    return bytes;
}

void TestPictureTransfer::sendsTheFileBlockByBlock_data() {
    QTest::addColumn<int>("size");
    QTest::newRow("empty") << 0;
    QTest::newRow("one block") << 10000;
    QTest::newRow("blocks and a part") << 95001;
    QTest::newRow("large") << 2500000;
}

void TestPictureTransfer::sendsTheFileBlockByBlock() {
    QFETCH(int, size);
    const QByteArray bytes = writeFile(size);
    PictureTransfer transfer;
    QList<qint64> steps;
    qint64 total = -1;
    connect(&transfer, &PictureTransfer::progressed, this, [&](qint64 sent, qint64 size) {
        steps << sent;
        total = size;
    });
    QSignalSpy finished(&transfer, &PictureTransfer::finished);

    QByteArray received;
    connect(m_plate.get(), &QTcpSocket::readyRead, this, [&] { received += m_plate->readAll(); });
    transfer.sendPicture(m_connection, QStringLiteral("./x.jpg"));
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 20000);
    QCOMPARE(finished[0][0].toInt(), int(PictureTransfer::Sent));
    // Sent means handed over in full: the plate gets every byte, and the connection is kept.
    QCOMPARE(m_connection->bytesToWrite(), qint64(0));
    QTRY_COMPARE_WITH_TIMEOUT(received.size(), bytes.size(), 20000);
    QVERIFY(received == bytes);
    QCOMPARE(m_connection->state(), QAbstractSocket::ConnectedState);

    QCOMPARE(total, qint64(size));
    QCOMPARE(steps.last(), qint64(size));
    qint64 previous = 0;
    for (qint64 value : steps) {
        QVERIFY2(value - previous <= PictureTransfer::kBlockSize,
                 qPrintable(QStringLiteral("%1 after %2").arg(value).arg(previous)));
        previous = value;
    }
    QVERIFY(steps.size() >= size / PictureTransfer::kBlockSize);
}

void TestPictureTransfer::missingFileIsNoFile() {
    PictureTransfer transfer;
    QSignalSpy finished(&transfer, &PictureTransfer::finished);
    transfer.sendPicture(m_connection, QStringLiteral("./x.jpg"));
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished[0][0].toInt(), int(PictureTransfer::NoFile));
}

void TestPictureTransfer::plateClosingEarlyIsShortCount() {
    writeFile(4 * 1024 * 1024);
    PictureTransfer transfer;
    QSignalSpy finished(&transfer, &PictureTransfer::finished);
    connect(m_plate.get(), &QTcpSocket::readyRead, this, [&] { m_plate->abort(); });
    transfer.sendPicture(m_connection, QStringLiteral("./x.jpg"));
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 5000);
    QCOMPARE(finished[0][0].toInt(), int(PictureTransfer::ShortCount));
    QCOMPARE(m_connection->state(), QAbstractSocket::UnconnectedState);
}

QTEST_MAIN(TestPictureTransfer)
#include "test_picturetransfer.moc"
