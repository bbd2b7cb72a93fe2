#include <QTreeView>
#include <QUdpSocket>
#include <QtTest>

#include "net/plateboard.h"
#include "net/platereply.h"
#include "net/platesocket.h"
#include "net/presencecheck.h"
#include "support/listcells.h"

using namespace delvora;

// The idle probes against two plates on loopback that answer while they are switched on.
class TestPresenceCheck : public QObject {
    Q_OBJECT
private slots:
    void offlineAfterThreeMissesAndBack();
};

namespace {
// A plate on the shared plate port that answers every probe with its ID while `on`.
struct Plate {
    QUdpSocket socket;
    qint32 id = 0;
    bool on = true;
    int probes = 0;

    bool open(const QString &address, qint32 plateId) {
        id = plateId;
        QObject::connect(&socket, &QUdpSocket::readyRead, [this] {
            while (socket.hasPendingDatagrams()) {
                QHostAddress from;
                quint16 port = 0;
                QByteArray got(64, '\0');
                got.truncate(socket.readDatagram(got.data(), got.size(), &from, &port));
                if (got != "hello")
                    continue;
                ++probes;
                if (on)
                    socket.writeDatagram(QByteArray(reinterpret_cast<const char *>(&id), 4), from,
                                         port);
            }
        });
        return socket.bind(QHostAddress(address), 8089,
                           QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint);
    }
};
} // namespace

void TestPresenceCheck::offlineAfterThreeMissesAndBack() {
    PlateSocket udp;
    QVERIFY(udp.create());
    QWidget window;
    auto *list = new QTreeView(&window);
    PlateBoard board;
    list->setModel(&board);
    connect(&udp, &PlateSocket::plateReply, &board, [&board](const PlateReply &reply) {
        board.answer(reply.sender.toString(), QString::number(reply.plateId));
    });
    bool busy = false;
    PresenceCheck presence(udp, board, [&busy] { return busy; });
    connect(&udp, &PlateSocket::plateReply, &presence, &PresenceCheck::onPlateReply);
    Plate a, b, stranger;
    QVERIFY(a.open(QStringLiteral("127.0.0.2"), 5));
    QVERIFY(b.open(QStringLiteral("127.0.0.3"), 7));
    QVERIFY(stranger.open(QStringLiteral("127.0.0.4"), 9));
    // The board lists the two plates as a sweep would.
    for (const char *address : {"127.0.0.2", "127.0.0.3"})
        udp.sendTo(QByteArrayLiteral("hello"), QString::fromLatin1(address));
    QTRY_COMPARE(delvora::test::listRows(list), 2);
    const auto state = [list](int row) { return delvora::test::listText(list, row, 3); };
    QCOMPARE(state(0), QStringLiteral("在线"));

    presence.setInterval(150);
    presence.setEnabled(true);
    QTRY_VERIFY(a.probes >= 3 && b.probes >= 3);
    QCOMPARE(state(0), QStringLiteral("在线"));
    // Plate 7 stops answering: three missed probes make it offline, greyed, still listed.
    b.on = false;
    const int before = b.probes;
    QTRY_COMPARE(state(1), QStringLiteral("离线"));
    QVERIFY(b.probes >= before + 3);
    QCOMPARE(delvora::test::listRows(list), 2);
    QCOMPARE(state(0), QStringLiteral("在线"));
    QVERIFY(delvora::test::listCell(list, 1, 0, Qt::ForegroundRole).value<QBrush>().color() !=
            list->palette().text().color());
    // Back on: the next answer brings it back.
    b.on = true;
    QTRY_COMPARE(state(1), QStringLiteral("在线"));

    // While the program awaits a plate, nothing is probed.
    busy = true;
    QTest::qWait(200); // a round that may have started before
    const int quietA = a.probes;
    QTest::qWait(600);
    QCOMPARE(a.probes, quietA);
    busy = false;
    QTRY_VERIFY(a.probes > quietA);
    // Nothing ever goes to an address off the board.
    QCOMPARE(stranger.probes, 0);
    presence.setEnabled(false);
}

QTEST_MAIN(TestPresenceCheck)
#include "test_presencecheck.moc"
