#include <QTcpServer>
#include <QTcpSocket>
#include <QUdpSocket>
#include <QtTest>

#include "support/platesim.h"

using delvora::test::PlateSim;

// The simulated plates, driven by hand-made datagrams and a bare picture server, so that later
// tests can rely on what the simulator does.
class TestPlateSim : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void answersWithItsId();
    void recordsAddressChangeAndReset();
    void fetchesPicture_data();
    void fetchesPicture();
    void stallsWhenToldToStopReading();
    void rejectsAddressesOffLoopback();

private:
    void send(const QByteArray &datagram, const char *plate);
    // The next answer: sender address and the 32-bit little-endian ID.
    QPair<QString, qint32> nextAnswer();

    std::unique_ptr<QUdpSocket> m_program;
};

void TestPlateSim::init() {
    // Stands in for the program: port 8089 on all addresses, shared like the program's own.
    m_program = std::make_unique<QUdpSocket>();
    QVERIFY(m_program->bind(QHostAddress::AnyIPv4, 8089,
                            QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint));
}

void TestPlateSim::cleanup() {
    m_program.reset();
}

void TestPlateSim::send(const QByteArray &datagram, const char *plate) {
    m_program->writeDatagram(datagram, QHostAddress(QString::fromLatin1(plate)), 8089);
}

QPair<QString, qint32> TestPlateSim::nextAnswer() {
    // Probes sent to unbound loopback addresses come back to our own socket from 127.0.0.1;
    // plate answers come from the plates' addresses.
    QHostAddress from;
    QByteArray data;
    do {
        if (!m_program->hasPendingDatagrams() && !m_program->waitForReadyRead(5000))
            return {};
        data.resize(qMax<qint64>(m_program->pendingDatagramSize(), 0));
        data.truncate(m_program->readDatagram(data.data(), data.size(), &from));
    } while (from == QHostAddress(QHostAddress::LocalHost));
    if (data.size() != 4)
        return {from.toString(), -100000 - int(data.size())};
    return {from.toString(), qFromLittleEndian<qint32>(data.constData())};
}

void TestPlateSim::answersWithItsId() {
    PlateSim sim;
    sim.addPlate(5, QStringLiteral("127.0.0.2"))
        .addPlate(7, QStringLiteral("127.0.0.3"), {QStringLiteral("id-answer=9")})
        .addPlate(11, QStringLiteral("127.0.0.4"), {QStringLiteral("silent")});
    QVERIFY2(sim.start(), qPrintable(sim.errors()));

    send("hello", "127.0.0.4");
    QVERIFY(
        sim.waitForLine(QStringLiteral("hello plate=127.0.0.4 id=11 from=127.0.0.1 answered=no")));
    send("hello", "127.0.0.2");
    QCOMPARE(nextAnswer(), qMakePair(QStringLiteral("127.0.0.2"), 5));
    send("hello", "127.0.0.3");
    QCOMPARE(nextAnswer(), qMakePair(QStringLiteral("127.0.0.3"), 7));

    send("0017id", "127.0.0.2");
    QCOMPARE(nextAnswer(), qMakePair(QStringLiteral("127.0.0.2"), 17));
    send("0017id", "127.0.0.3"); // takes the ID but answers with another
    QCOMPARE(nextAnswer(), qMakePair(QStringLiteral("127.0.0.3"), 9));
    QVERIFY(sim.waitForLine(QStringLiteral("id plate=127.0.0.3 old=7 new=17 answer=9")));
    send("hello", "127.0.0.3");
    QCOMPARE(nextAnswer(), qMakePair(QStringLiteral("127.0.0.3"), 17));
}

void TestPlateSim::recordsAddressChangeAndReset() {
    PlateSim sim;
    sim.addPlate(5, QStringLiteral("127.0.0.2"));
    QVERIFY2(sim.start(), qPrintable(sim.errors()));
    send("192168001088255255255000192168001001ip", "127.0.0.2");
    send("000def", "127.0.0.2");
    send("connectpic0012", "127.0.0.2"); // leading zeros are no size the program sends
    QVERIFY(sim.waitForLine(QStringLiteral("unknown ")));
    QCOMPARE(sim.lines().mid(1),
             QStringList({QStringLiteral("ip plate=127.0.0.2 id=5 address=192.168.1.88 "
                                         "mask=255.255.255.0 gateway=192.168.1.1"),
                          QStringLiteral("reset plate=127.0.0.2 id=5"),
                          QStringLiteral("unknown plate=127.0.0.2 id=0 from=127.0.0.1 "
                                         "bytes=636f6e6e65637470696330303132")}));
    send("hello", "127.0.0.2");
    QCOMPARE(nextAnswer(), qMakePair(QStringLiteral("127.0.0.2"), 0));
}

void TestPlateSim::fetchesPicture_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("serverSends"); // bytes the server writes before closing, -1 all
    QTest::addColumn<QString>("outcome");
    QTest::newRow("reads exactly the size") << QString() << -1 << QStringLiteral("picture ");
    QTest::newRow("connects late")
        << QStringLiteral("connect-delay=300") << -1 << QStringLiteral("picture ");
    QTest::newRow("closes early") << QStringLiteral("close-after=1000") << -1
                                  << QStringLiteral("picture-failed");
    QTest::newRow("server closes early") << QString() << 2000 << QStringLiteral("picture-failed");
}

void TestPlateSim::fetchesPicture() {
    QFETCH(QString, option);
    QFETCH(int, serverSends);
    QFETCH(QString, outcome);
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost, 8087));
    PlateSim sim;
    sim.addPlate(5, QStringLiteral("127.0.0.2"),
                 option.isEmpty() ? QStringList() : QStringList{option});
    QVERIFY2(sim.start(), qPrintable(sim.errors()));

    QByteArray picture(5000, '\0');
    for (int i = 0; i < picture.size(); ++i)
        picture[i] = char(i * 7);
    send("connectpic5000", "127.0.0.2");
    QVERIFY(sim.waitForLine(
        QStringLiteral("picture-request plate=127.0.0.2 id=5 from=127.0.0.1 size=5000")));
    if (option.startsWith(QStringLiteral("connect-delay")))
        QVERIFY(!server.hasPendingConnections());
    // Waiting for the log line runs the event loop, which may already accept the connection.
    QTRY_VERIFY(server.hasPendingConnections());
    QTcpSocket *plate = server.nextPendingConnection();
    // A plate connects from its own address.
    QCOMPARE(plate->peerAddress().toString(), QStringLiteral("127.0.0.2"));
    plate->write(serverSends < 0 ? picture : picture.left(serverSends));
    if (serverSends >= 0)
        plate->disconnectFromHost();
    QVERIFY(sim.waitForLine(outcome));
    const QString line = sim.linesStartingWith(outcome).constLast();
    if (outcome == QStringLiteral("picture ")) {
        QVERIFY2(line.startsWith(
                     QStringLiteral("picture plate=127.0.0.2 id=5 size=5000 received=5000 file=")),
                 qPrintable(line));
        QCOMPARE(sim.picture(5), picture);
    } else {
        const int received = serverSends < 0 ? 1000 : serverSends;
        QVERIFY2(line.contains(QStringLiteral(" received=%1 ").arg(received)), qPrintable(line));
        QVERIFY(sim.picture(5).isEmpty());
    }
}

void TestPlateSim::stallsWhenToldToStopReading() {
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost, 8087));
    PlateSim sim;
    sim.addPlate(6, QStringLiteral("127.0.0.3"), {QStringLiteral("read-limit=1000")});
    QVERIFY2(sim.start(), qPrintable(sim.errors()));
    const QByteArray picture(32 * 1024 * 1024, 'j');
    send("connectpic33554432", "127.0.0.3");
    QTRY_VERIFY(server.hasPendingConnections());
    QTcpSocket *plate = server.nextPendingConnection();
    plate->write(picture);
    QVERIFY(sim.waitForLine(
        QStringLiteral("picture-stalled plate=127.0.0.3 id=6 size=33554432 received=1000")));
    // The plate pushes back: the rest cannot all leave the sender.
    plate->waitForBytesWritten(200);
    QVERIFY(plate->bytesToWrite() > 0);
}

void TestPlateSim::rejectsAddressesOffLoopback() {
    PlateSim sim;
    sim.addPlate(5, QStringLiteral("192.0.2.2"));
    QVERIFY(!sim.start(5000));
    QVERIFY2(sim.errors().contains(QStringLiteral("not in 127.0.0.0/8")), qPrintable(sim.errors()));
}

QTEST_GUILESS_MAIN(TestPlateSim)
#include "test_platesim.moc"
