#include <QHostAddress>
#include <QNetworkDatagram>
#include <QUdpSocket>
#include <QtEndian>
#include <QtTest>

#include "net/plateidchange.h"
#include "net/platereply.h"
#include "net/platesocket.h"

using namespace delvora;

namespace {
// A port of this test's own, so that it runs beside the program and other tests.
constexpr quint16 kPort = 28089;
} // namespace

// 修改ID owns its answer wait: one result per change, the plate's answer stops the wait, and
// the wait running out ends it as a time-out.
class TestPlateIdChange : public QObject {
    Q_OBJECT
private slots:
    void answerOrTimeOut_data();
    void answerOrTimeOut();
};

void TestPlateIdChange::answerOrTimeOut_data() {
    QTest::addColumn<int>("answerId"); // -1: the plate stays silent
    QTest::addColumn<int>("result");
    QTest::newRow("confirmed") << 42 << int(IdChangeConfirmed);
    QTest::newRow("other ID") << 41 << int(IdChangeOtherId);
    QTest::newRow("silent") << -1 << int(IdChangeTimeout);
}

void TestPlateIdChange::answerOrTimeOut() {
    QFETCH(int, answerId);
    QFETCH(int, result);
    PlateSocket socket;
    socket.setPlatePort(kPort);
    QVERIFY(socket.create());
    QUdpSocket plate;
    QVERIFY(plate.bind(QHostAddress(QStringLiteral("127.0.0.2")), kPort,
                       QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint));
    PlateIdChange change(socket);
    change.setAnswerWait(300);
    QSignalSpy finished(&change, &PlateIdChange::finished);

    change.start(QStringLiteral("127.0.0.2"), 42);
    QVERIFY(change.isWaiting());
    QTRY_VERIFY(plate.hasPendingDatagrams());
    QNetworkDatagram asked = plate.receiveDatagram();
    QCOMPARE(asked.destinationPort(), int(kPort));
    if (answerId >= 0) {
        QByteArray answer(4, '\0');
        qToLittleEndian<qint32>(answerId, answer.data());
        plate.writeDatagram(answer, asked.senderAddress(), quint16(asked.senderPort()));
    }
    QVERIFY(finished.wait(2000));
    QCOMPARE(finished.size(), 1);
    QCOMPARE(int(finished[0][0].value<IdChangeResult>()), result);
    QVERIFY(!change.isWaiting());
    // Once over, the wait ends nothing again.
    QTest::qWait(500);
    QCOMPARE(finished.size(), 1);
}

QTEST_MAIN(TestPlateIdChange)
#include "test_plateidchange.moc"
