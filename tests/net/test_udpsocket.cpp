#include <QSignalSpy>
#include <QUdpSocket>
#include <QtTest>

#include "net/platedatagrams.h"
#include "net/platesocket.h"

using namespace delvora;

// The program's socket on UDP 8089 against real senders on other loopback addresses.
class TestUdpSocket : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void answers_data();
    void answers();
    void ownHostIgnored();
    void idAnswerAwaited_data();
    void idAnswerAwaited();
    void onlyAskedAnswers_data();
    void onlyAskedAnswers();
    void sharesPortWithPlates();
    void sendsOnlyToPlateAddresses();

private:
    // A socket on one loopback address, as a plate would send from.
    std::unique_ptr<QUdpSocket> peer(const QString &address);
    // Sends `datagram` from `from`, then a marker answer (ID 4321) from `marker`; returns
    // once the marker has been handled, so everything sent before it has been too.
    void sendThenMarker(QUdpSocket &from, const QByteArray &datagram, QUdpSocket &marker);

    std::unique_ptr<PlateSocket> m_socket;
    qint64 m_now = 0; // the socket's clock
    std::unique_ptr<QSignalSpy> m_replies;
    std::unique_ptr<QSignalSpy> m_results;
};

namespace {
const QByteArray kMarker("\xE1\x10\x00\x00", 4); // 4321
}

void TestUdpSocket::init() {
    m_socket = std::make_unique<PlateSocket>();
    QVERIFY2(m_socket->create(), qPrintable(m_socket->errorString()));
    m_socket->setHostAddress(QHostAddress(QStringLiteral("127.0.0.7")));
    m_now = 0;
    m_socket->setClock([this] { return m_now; });
    m_replies = std::make_unique<QSignalSpy>(m_socket.get(), &PlateSocket::plateReply);
    m_results = std::make_unique<QSignalSpy>(m_socket.get(), &PlateSocket::idChangeResult);
}

void TestUdpSocket::cleanup() {
    m_replies.reset();
    m_results.reset();
    m_socket.reset();
}

std::unique_ptr<QUdpSocket> TestUdpSocket::peer(const QString &address) {
    auto s = std::make_unique<QUdpSocket>();
    if (!s->bind(QHostAddress(address), 0))
        qWarning("cannot bind %s", qPrintable(address));
    return s;
}

void TestUdpSocket::sendThenMarker(QUdpSocket &from, const QByteArray &datagram,
                                   QUdpSocket &marker) {
    const auto program = QHostAddress(QHostAddress::LocalHost);
    // Both answers were asked for.
    m_socket->expectAnswer(from.localAddress(), 3000);
    m_socket->expectAnswer(marker.localAddress(), 3000);
    from.writeDatagram(datagram, program, 8089);
    marker.writeDatagram(kMarker, program, 8089);
    QTRY_VERIFY(std::any_of(m_replies->cbegin(), m_replies->cend(), [](const QList<QVariant> &a) {
        return a[0].value<PlateReply>().plateId == 4321;
    }));
    m_replies->removeIf(
        [](const QList<QVariant> &a) { return a[0].value<PlateReply>().plateId == 4321; });
}

void TestUdpSocket::answers_data() {
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<int>("id"); // -2: nothing expected
    QTest::newRow("05 00 is plate 5") << QByteArray("\x05\x00", 2) << 5;
    QTest::newRow("0 is a plate") << QByteArray("\x00\x00\x00\x00", 4) << 0;
    QTest::newRow("9999 is a plate") << QByteArray("\x0F\x27\x00\x00", 4) << 9999;
    QTest::newRow("10000 is dropped") << QByteArray("\x10\x27\x00\x00", 4) << -2;
    QTest::newRow("-1 is dropped") << QByteArray("\xFF\xFF\xFF\xFF", 4) << -2;
    QTest::newRow("empty is dropped") << QByteArray() << -2;
    QTest::newRow("1023 bytes taken")
        << QByteArray("\x06\x00\x00\x00", 4) + QByteArray(1019, 'x') << 6;
    QTest::newRow("1024 bytes dropped")
        << QByteArray("\x06\x00\x00\x00", 4) + QByteArray(1020, 'x') << -2;
}

void TestUdpSocket::answers() {
    QFETCH(QByteArray, datagram);
    QFETCH(int, id);
    auto plate = peer(QStringLiteral("127.0.0.3"));
    sendThenMarker(*plate, datagram, *plate);
    QCOMPARE(m_results->size(), 0);
    if (id == -2) {
        QCOMPARE(m_replies->size(), 0);
        return;
    }
    QCOMPARE(m_replies->size(), 1);
    const auto reply = m_replies->at(0).at(0).value<PlateReply>();
    QCOMPARE(reply.plateId, id);
    QCOMPARE(reply.sender.toString(), QStringLiteral("127.0.0.3"));
    QCOMPARE(reply.senderPort, plate->localPort());
}

void TestUdpSocket::ownHostIgnored() {
    auto own = peer(QStringLiteral("127.0.0.7"));
    auto other = peer(QStringLiteral("127.0.0.8"));
    sendThenMarker(*own, QByteArray("\x05\x00\x00\x00", 4), *other);
    QCOMPARE(m_replies->size(), 0);
    // Not even an awaited ID answer comes from our own host.
    m_socket->awaitIdAnswer(QHostAddress(QStringLiteral("127.0.0.7")), 5);
    sendThenMarker(*own, QByteArray("\x05\x00\x00\x00", 4), *other);
    QCOMPARE(m_replies->size(), 0);
    QCOMPARE(m_results->size(), 0);
    QVERIFY(m_socket->isAwaitingIdAnswer());
}

void TestUdpSocket::idAnswerAwaited_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<int>("result"); // -1: no result, the wait goes on
    const QString target = QStringLiteral("127.0.0.4");
    QTest::newRow("the new ID") << target << QByteArray("\x11\x00\x00\x00", 4)
                                << int(IdChangeConfirmed);
    QTest::newRow("another ID") << target << QByteArray("\x05\x00\x00\x00", 4)
                                << int(IdChangeOtherId);
    QTest::newRow("an ID out of range")
        << target << QByteArray("\x10\x27\x00\x00", 4) << int(IdChangeOtherId);
    QTest::newRow("another plate's discovery answer")
        << QStringLiteral("127.0.0.5") << QByteArray("\x05\x00\x00\x00", 4) << -1;
    QTest::newRow("another plate with the new ID")
        << QStringLiteral("127.0.0.5") << QByteArray("\x11\x00\x00\x00", 4) << -1;
}

void TestUdpSocket::idAnswerAwaited() {
    QFETCH(QString, from);
    QFETCH(QByteArray, answer);
    QFETCH(int, result);
    m_socket->awaitIdAnswer(QHostAddress(QStringLiteral("127.0.0.4")), 17);
    auto plate = peer(from);
    auto marker = peer(QStringLiteral("127.0.0.6"));
    sendThenMarker(*plate, answer, *marker);
    if (result < 0) {
        // Listed as a discovery answer; the target's answer is still awaited.
        QCOMPARE(m_results->size(), 0);
        QCOMPARE(m_replies->size(), 1);
        QCOMPARE(m_replies->at(0).at(0).value<PlateReply>().sender.toString(), from);
        QVERIFY(m_socket->isAwaitingIdAnswer());
        return;
    }
    // The answer ends the wait and is no discovery answer; the marker after it is one again.
    QCOMPARE(m_results->size(), 1);
    QCOMPARE(m_results->at(0).at(0).toInt(), result);
    QCOMPARE(m_replies->size(), 0);
    QVERIFY(!m_socket->isAwaitingIdAnswer());
}

void TestUdpSocket::onlyAskedAnswers_data() {
    QTest::addColumn<QByteArray>("datagram");
    QTest::newRow("one byte") << QByteArray("\x03", 1);
    QTest::newRow("two bytes") << QByteArray("\x05\x00", 2);
}

void TestUdpSocket::onlyAskedAnswers() {
    // A datagram counts as an answer only when its address was asked, once per question and
    // within the question's time.
    QFETCH(QByteArray, datagram);
    auto host = peer(QStringLiteral("127.0.0.3"));
    auto marker = peer(QStringLiteral("127.0.0.6"));
    const auto program = QHostAddress(QHostAddress::LocalHost);
    const auto countFromHost = [&] {
        return std::count_if(m_replies->cbegin(), m_replies->cend(), [](const QList<QVariant> &a) {
            return a[0].value<PlateReply>().sender == QHostAddress(QStringLiteral("127.0.0.3"));
        });
    };
    const auto send = [&](qsizetype markersBefore) {
        host->writeDatagram(datagram, program, 8089);
        m_socket->expectAnswer(marker->localAddress(), 3000);
        marker->writeDatagram(kMarker, program, 8089);
        QTRY_VERIFY(
            std::count_if(m_replies->cbegin(), m_replies->cend(), [](const QList<QVariant> &a) {
                return a[0].value<PlateReply>().plateId == 4321;
            }) == markersBefore + 1);
    };

    send(0); // never asked
    QCOMPARE(countFromHost(), 0);
    // Asked by a probe 1 s ago: listed once; the same again without a new probe is dropped.
    QVERIFY(m_socket->sendTo(helloDatagram(), QStringLiteral("127.0.0.3")));
    m_now += 1000;
    send(1);
    QCOMPARE(countFromHost(), 1);
    const auto fromHost = std::find_if(m_replies->cbegin(), m_replies->cend(), [](const auto &a) {
        return a[0].template value<PlateReply>().sender ==
               QHostAddress(QStringLiteral("127.0.0.3"));
    });
    QCOMPARE(fromHost->at(0).value<PlateReply>().plateId, readPlateId(datagram));
    send(2);
    QCOMPARE(countFromHost(), 1);
    // A probe whose 3 s have passed admits nothing.
    QVERIFY(m_socket->sendTo(helloDatagram(), QStringLiteral("127.0.0.3")));
    m_now += 3000;
    send(3);
    QCOMPARE(countFromHost(), 1);
    // An ID change admits its late answer for 10 s.
    QVERIFY(m_socket->sendTo(idChangeDatagram(3), QStringLiteral("127.0.0.3")));
    m_now += 9000;
    send(4);
    QCOMPARE(countFromHost(), 2);
}

void TestUdpSocket::sharesPortWithPlates() {
    // A simulated plate binds its own address on the same port; datagrams to it reach the
    // plate, datagrams to 127.0.0.1 reach the program.
    QUdpSocket plate;
    QVERIFY2(plate.bind(QHostAddress(QStringLiteral("127.0.0.2")), 8089,
                        QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint),
             qPrintable(plate.errorString()));
    QVERIFY(m_socket->sendTo("hello", QStringLiteral("127.0.0.2")));
    QTRY_VERIFY(plate.hasPendingDatagrams());
    QHostAddress from;
    quint16 port = 0;
    QByteArray got(16, '\0');
    got.truncate(plate.readDatagram(got.data(), got.size(), &from, &port));
    QCOMPARE(got, QByteArray("hello"));
    QCOMPARE(port, quint16(8089));
    plate.writeDatagram(QByteArray("\x09\x00", 2), from, port);
    QTRY_COMPARE(m_replies->size(), 1);
    QCOMPARE(m_replies->at(0).at(0).value<PlateReply>().plateId, 9);
}

void TestUdpSocket::sendsOnlyToPlateAddresses() {
    // Host names are never looked up, and 0.0.0.0/8 (from an unset local address) is no
    // destination.
    for (const char *text : {"", "1", "254", "0.0.0.5", "plate.example", "::1"})
        QVERIFY2(!m_socket->sendTo("hello", QString::fromLatin1(text)), text);
}

QTEST_GUILESS_MAIN(TestUdpSocket)
#include "test_udpsocket.moc"
