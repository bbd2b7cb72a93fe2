#include <QtTest>

#include "net/platedatagrams.h"

using namespace delvora;

class TestPlateDatagrams : public QObject {
    Q_OBJECT
private slots:
    void commandBytes_data();
    void commandBytes();
    void plateIdFromAnswer_data();
    void plateIdFromAnswer();
    void sweepSkipsOwnAddress();
    void answerWindows_data();
    void answerWindows();
};

void TestPlateDatagrams::commandBytes_data() {
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("hello") << helloDatagram() << QByteArray("hello");
    QTest::newRow("id 5") << idChangeDatagram(5) << QByteArray("0005id");
    QTest::newRow("id 0") << idChangeDatagram(0) << QByteArray("0000id");
    QTest::newRow("id 9999") << idChangeDatagram(9999) << QByteArray("9999id");
    QTest::newRow("picture 1234") << pictureRequestDatagram(1234) << QByteArray("connectpic1234");
    QTest::newRow("picture 48213")
        << pictureRequestDatagram(48213) << QByteArray("connectpic48213");
    QTest::newRow("address 192.168.1.88")
        << addressChangeDatagram({192, 168, 1, 88}, {255, 255, 255, 0}, {192, 168, 1, 1})
        << QByteArray("192168001088255255255000192168001001ip");
    QTest::newRow("address 10.0.0.5")
        << addressChangeDatagram({10, 0, 0, 5}, {255, 0, 0, 0}, {10, 0, 0, 1})
        << QByteArray("010000000005255000000000010000000001ip");
    QTest::newRow("factory reset") << factoryResetDatagram() << QByteArray("000def");
}

void TestPlateDatagrams::commandBytes() {
    QFETCH(QByteArray, datagram);
    QFETCH(QByteArray, expected);
    // Compared with sizes so that a stray terminating zero would show.
    QCOMPARE(datagram.size(), expected.size());
    QCOMPARE(datagram, expected);
}

void TestPlateDatagrams::plateIdFromAnswer_data() {
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<qint32>("id");
    QTest::newRow("two bytes 05 00") << QByteArray("\x05\x00", 2) << 5;
    QTest::newRow("one byte") << QByteArray("\x07", 1) << 7;
    QTest::newRow("little-endian 9999") << QByteArray("\x0F\x27\x00\x00", 4) << 9999;
    QTest::newRow("minus one") << QByteArray("\xFF\xFF\xFF\xFF", 4) << -1;
    QTest::newRow("bytes after four ignored") << QByteArray("\x10\x27\x00\x00zz", 6) << 10000;
}

void TestPlateDatagrams::plateIdFromAnswer() {
    QFETCH(QByteArray, answer);
    QFETCH(qint32, id);
    QCOMPARE(readPlateId(answer), id);
}

void TestPlateDatagrams::answerWindows_data() {
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<int>("ms");
    QTest::newRow("probe") << helloDatagram() << 3000;
    QTest::newRow("ID change") << idChangeDatagram(17) << 10000;
    QTest::newRow("ID change to a negative ID") << idChangeDatagram(-5) << 10000;
    QTest::newRow("picture request") << pictureRequestDatagram(1234) << 0;
    QTest::newRow("address change")
        << addressChangeDatagram({10, 0, 0, 5}, {255, 0, 0, 0}, {10, 0, 0, 1}) << 0;
    QTest::newRow("factory reset") << factoryResetDatagram() << 0;
    QTest::newRow("bare id") << QByteArray("id") << 0;
}

void TestPlateDatagrams::answerWindows() {
    QFETCH(QByteArray, command);
    QFETCH(int, ms);
    QCOMPARE(answerWindowMs(command), ms);
}

void TestPlateDatagrams::sweepSkipsOwnAddress() {
    const QStringList probes =
        sweepAddresses(QStringLiteral("192.168.1."), QStringLiteral("192.168.1.20"));
    QCOMPARE(probes.size(), 253);
    QCOMPARE(probes.first(), QStringLiteral("192.168.1.1"));
    QCOMPARE(probes[18], QStringLiteral("192.168.1.19"));
    QCOMPARE(probes[19], QStringLiteral("192.168.1.21"));
    QCOMPARE(probes.last(), QStringLiteral("192.168.1.254"));
    QVERIFY(!probes.contains(QStringLiteral("192.168.1.20")));
    // A local address outside the prefix's range leaves all 254 in.
    QCOMPARE(sweepAddresses(QStringLiteral("10.0.0."), QStringLiteral("10.0.0.255")).size(), 254);
}

QTEST_GUILESS_MAIN(TestPlateDatagrams)
#include "test_platedatagrams.moc"
