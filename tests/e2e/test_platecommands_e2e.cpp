#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QUdpSocket>
#include <QtTest>

#include "gui/mainwindow.h"
#include "gui/ipaddressedit.h"
#include "gui/changeipdialog.h"
#include "support/listcells.h"
#include "support/loopbackplace.h"
#include "support/platesim.h"
#include "support/whenmodal.h"

using namespace delvora;
using namespace delvora::test;

namespace {

QString plateAddress(int n) {
    return QStringLiteral("127.0.0.%1").arg(n + 2);
}

QByteArray idAnswer(qint32 id) {
    QByteArray out(4, '\0');
    qToLittleEndian(id, out.data());
    return out;
}

QString row(QTreeView *list, int i) {
    return listText(list, i, 0) + QLatin1Char(' ') + listText(list, i, 1);
}

} // namespace

// ID change, address change and factory reset from the real main window, against simulated
// plates on loopback.
class TestPlateCommandsE2e : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void idChangeAnswered_data();
    void idChangeAnswered();
    void idChangeTimesOutThenLateAnswerIsListed();
    void otherPlateDuringWaitIsListed();
    void idEditTexts_data();
    void idEditTexts();
    void commandsNeedAPlate();
    void addressChange();
    void factoryReset_data();
    void factoryReset();

private:
    // Starts the simulator and the main window, shown so that rows can be clicked.
    void start(PlateSim &sim);
    // Lists the simulated plate at `address` by letting it answer a probe from this test; the
    // rows then stand in a known order.
    void listPlate(const QString &address);
    // Lists a plate that answers nothing, as if its answer came from `address`.
    void answerAs(const QString &address, qint32 id);
    void click(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Waits until every datagram sent to the plate at `address` so far has been handled.
    void sync(PlateSim &sim, const QString &address);

    std::unique_ptr<LoopbackPlace> m_place;
    std::unique_ptr<MainWindow> m_window;
    QTreeView *m_list = nullptr;
    QUdpSocket m_probe; // a probe from the program's address, so plates answer the program
};

void TestPlateCommandsE2e::init() {
    m_place = std::make_unique<LoopbackPlace>();
    if (m_probe.state() != QAbstractSocket::BoundState)
        QVERIFY(m_probe.bind(QHostAddress(QStringLiteral("127.0.0.1")), 0));
}

void TestPlateCommandsE2e::cleanup() {
    m_window.reset();
    m_place.reset();
}

void TestPlateCommandsE2e::start(PlateSim &sim) {
    QVERIFY2(sim.start(), qPrintable(sim.errors()));
    m_window = std::make_unique<MainWindow>();
    m_list = m_window->face().onlineList;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QVERIFY(m_place->prompt.shown.isEmpty());
}

void TestPlateCommandsE2e::listPlate(const QString &address) {
    const int before = listRows(m_list);
    // The program takes only answers it asked for; this probe stands in for its own.
    m_window->udpSocket().expectAnswer(QHostAddress(address), 3000);
    m_probe.writeDatagram("hello", QHostAddress(address), 8089);
    QTRY_COMPARE(listRows(m_list), before + 1);
    QCOMPARE(listText(m_list, before, 1), address);
}

void TestPlateCommandsE2e::answerAs(const QString &address, qint32 id) {
    QUdpSocket plate;
    QVERIFY(plate.bind(QHostAddress(address), 0));
    const int before = listRows(m_list);
    m_window->udpSocket().expectAnswer(QHostAddress(address), 3000);
    plate.writeDatagram(idAnswer(id), QHostAddress(QStringLiteral("127.0.0.1")), 8089);
    QTRY_COMPARE(listRows(m_list), before + 1);
}

void TestPlateCommandsE2e::click(int row, Qt::KeyboardModifiers modifiers) {
    // In the ID cell: the row is wider than the list once the board has all its columns.
    const QRect r = m_list->visualRect(m_list->model()->index(row, 0));
    QTest::mouseClick(m_list->viewport(), Qt::LeftButton, modifiers,
                      QPoint(r.left() + 10, r.center().y()));
}

void TestPlateCommandsE2e::sync(PlateSim &sim, const QString &address) {
    // The plate handles its datagrams in order and logs a datagram it does not understand
    // without answering: once it logs this one, it has logged everything sent before.
    const QString prefix = QStringLiteral("unknown plate=%1 ").arg(address);
    const int seen = int(sim.linesStartingWith(prefix).size());
    m_probe.writeDatagram("sync", QHostAddress(address), 8089);
    QVERIFY(sim.waitForLine(prefix, seen + 1));
}

void TestPlateCommandsE2e::idChangeAnswered_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("the new ID") << QStringList() << QStringLiteral("修改ID成功")
                                << QStringList{QStringLiteral("17 127.0.0.2"),
                                               QStringLiteral("8 127.0.0.3")};
    QTest::newRow("another ID") << QStringList{QStringLiteral("id-answer=99")}
                                << QStringLiteral("修改ID失败")
                                << QStringList{QStringLiteral("5 127.0.0.2"),
                                               QStringLiteral("8 127.0.0.3")};
}

void TestPlateCommandsE2e::idChangeAnswered() {
    QFETCH(QStringList, options);
    QFETCH(QString, message);
    QFETCH(QStringList, after);
    PlateSim sim;
    sim.addPlate(5, plateAddress(0), options).addPlate(8, plateAddress(1));
    start(sim);
    listPlate(plateAddress(0));
    listPlate(plateAddress(1));
    click(0);
    QCOMPARE(m_window->face().newId->text(), QStringLiteral("5"));
    m_window->face().newId->setText(QStringLiteral("17"));
    m_place->prompt.answers << true;
    m_window->face().changeId->click();
    QVERIFY(sim.waitForLine(QStringLiteral("id plate=127.0.0.2 old=5 new=17")));
    QTRY_COMPARE(m_place->prompt.texts(),
                 QStringList({QStringLiteral("是否将ID: 5 修改为 17 ?"), message}));
    QVERIFY(m_place->prompt.shown[0].question);
    // After success the plates are found again; the answers come in any order.
    QTRY_COMPARE(listRows(m_list), 2);
    QStringList listed = listPairs(m_list);
    listed.sort();
    QCOMPARE(listed, after);
    QCOMPARE(m_window->face().newId->text(), QStringLiteral("17"));
}

void TestPlateCommandsE2e::idChangeTimesOutThenLateAnswerIsListed() {
    PlateSim sim;
    sim.addPlate(5, plateAddress(0), {QStringLiteral("silent")});
    start(sim);
    answerAs(plateAddress(0), 5);
    click(0);
    m_window->face().newId->setText(QStringLiteral("17"));
    m_place->prompt.answers << true;
    QElapsedTimer waited;
    waited.start();
    m_window->face().changeId->click();
    QVERIFY(sim.waitForLine(QStringLiteral("id plate=127.0.0.2 old=5 new=17 answer=none")));
    QTRY_COMPARE_WITH_TIMEOUT(m_place->prompt.texts().size(), 2, 8000);
    QVERIFY2(waited.elapsed() >= 2500, qPrintable(QString::number(waited.elapsed())));
    QCOMPARE(m_place->prompt.texts().last(), QStringLiteral("修改ID超时"));
    // The plate's answer after the time-out (but within 10 s of the question) is a discovery
    // answer: the plate keeps its one row, with its new ID.
    QUdpSocket plate;
    QVERIFY(plate.bind(QHostAddress(plateAddress(0)), 0));
    plate.writeDatagram(idAnswer(17), QHostAddress(QStringLiteral("127.0.0.1")), 8089);
    QTRY_COMPARE(listPairs(m_list), QStringList({QStringLiteral("17 127.0.0.2")}));
    QCOMPARE(m_place->prompt.texts().size(), 2);
}

void TestPlateCommandsE2e::otherPlateDuringWaitIsListed() {
    PlateSim sim;
    sim.addPlate(5, plateAddress(0), {QStringLiteral("silent")}).addPlate(7, plateAddress(1));
    start(sim);
    answerAs(plateAddress(0), 5);
    click(0);
    m_window->face().newId->setText(QStringLiteral("17"));
    m_place->prompt.answers << true;
    m_window->face().changeId->click();
    QVERIFY(sim.waitForLine(QStringLiteral("id plate=127.0.0.2 old=5 new=17 answer=none")));
    // Another plate's discovery answer arrives first: listed, and the wait goes on.
    listPlate(plateAddress(1));
    QCOMPARE(row(m_list, 1), QStringLiteral("7 127.0.0.3"));
    QCOMPARE(m_place->prompt.texts().size(), 1);
    // Then the renumbered plate answers.
    QUdpSocket plate;
    QVERIFY(plate.bind(QHostAddress(plateAddress(0)), 0));
    plate.writeDatagram(idAnswer(17), QHostAddress(QStringLiteral("127.0.0.1")), 8089);
    QTRY_COMPARE(m_place->prompt.texts().size(), 2);
    QCOMPARE(m_place->prompt.texts().last(), QStringLiteral("修改ID成功"));
}

void TestPlateCommandsE2e::idEditTexts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<int>("sent"); // -1: nothing sent
    QTest::addColumn<QString>("shown");
    QTest::newRow("empty") << QString() << true << 0 << QStringLiteral("是否将ID: 5 修改为 0 ?");
    QTest::newRow("blank, digits, letters")
        << QStringLiteral(" 12abc") << true << 12 << QStringLiteral("是否将ID: 5 修改为 12 ?");
    QTest::newRow("9999") << QStringLiteral("9999") << true << 9999
                          << QStringLiteral("是否将ID: 5 修改为 9999 ?");
    QTest::newRow("-1") << QStringLiteral("-1") << true << -1 << QStringLiteral("ID范围为：0-9999");
    QTest::newRow("10000") << QStringLiteral("10000") << true << -1
                           << QStringLiteral("ID范围为：0-9999");
    QTest::newRow("beyond 32 bits")
        << QStringLiteral("99999999999") << true << -1 << QStringLiteral("ID范围为：0-9999");
    QTest::newRow("No") << QStringLiteral("17") << false << -1
                        << QStringLiteral("是否将ID: 5 修改为 17 ?");
}

void TestPlateCommandsE2e::idEditTexts() {
    QFETCH(QString, text);
    QFETCH(bool, yes);
    QFETCH(int, sent);
    QFETCH(QString, shown);
    PlateSim sim;
    sim.addPlate(5, plateAddress(0));
    start(sim);
    listPlate(plateAddress(0));
    click(0);
    m_window->face().newId->setText(text);
    m_place->prompt.answers << yes;
    m_window->face().changeId->click();
    QCOMPARE(m_place->prompt.texts().value(0), shown);
    sync(sim, plateAddress(0));
    const QStringList changes = sim.linesStartingWith(QStringLiteral("id plate="));
    if (sent < 0) {
        QCOMPARE(changes, QStringList());
        QCOMPARE(m_place->prompt.texts().size(), 1);
        return;
    }
    QCOMPARE(changes,
             QStringList{QStringLiteral("id plate=127.0.0.2 old=5 new=%1 answer=%1").arg(sent)});
    QTRY_COMPARE(m_place->prompt.texts().value(1), QStringLiteral("修改ID成功"));
}

void TestPlateCommandsE2e::commandsNeedAPlate() {
    PlateSim sim;
    sim.addPlate(5, plateAddress(0)).addPlate(8, plateAddress(1));
    start(sim);
    const QString selectPlate = QStringLiteral("请选择要修改的桌牌");
    const QString selectPlates = QStringLiteral("请选择要恢复出厂设置的桌牌");
    m_window->face().changeId->click();
    m_window->face().changeIp->click();
    m_window->face().actionFactoryReset->trigger();
    QCOMPARE(m_place->prompt.texts(), QStringList({selectPlate, selectPlate, selectPlates}));

    // A row selected and then deselected again keeps the mark but is no selection.
    listPlate(plateAddress(0));
    listPlate(plateAddress(1));
    click(1);
    click(1, Qt::ControlModifier);
    QVERIFY(!m_list->selectionModel()->hasSelection());
    m_place->prompt.clear();
    m_window->face().actionFactoryReset->trigger();
    QCOMPARE(m_place->prompt.texts(), QStringList{selectPlates});
    m_place->prompt.clear();
    m_place->prompt.answers << true;
    m_window->face().newId->setText(QStringLiteral("30"));
    m_window->face().changeId->click();
    QVERIFY(sim.waitForLine(QStringLiteral("id plate=127.0.0.3 old=8 new=30")));
    QTRY_COMPARE(m_place->prompt.texts().value(1), QStringLiteral("修改ID成功"));
    QVERIFY(sim.linesStartingWith(QStringLiteral("reset ")).isEmpty());
}

void TestPlateCommandsE2e::addressChange() {
    PlateSim sim;
    sim.addPlate(5, plateAddress(0)).addPlate(8, plateAddress(1));
    start(sim);
    listPlate(plateAddress(0));
    listPlate(plateAddress(1));
    click(1);

    QStringList shown;
    // Opens the dialog, notes what it shows, types an address and ends with OK or Cancel.
    auto change = [&](const QString &address, const QString &mask, const QString &gateway,
                      bool ok) {
        whenModal<ChangeIpDialog>([&shown, address, mask, gateway, ok](ChangeIpDialog *d) {
            shown = QStringList{d->m_ipAddr->text(), d->m_ipMask->text(), d->m_ipGateway->text()};
            d->m_ipAddr->setText(address);
            d->m_ipMask->setText(mask);
            d->m_ipGateway->setText(gateway);
            d->findChild<QPushButton *>(ok ? QStringLiteral("changeIpOk")
                                           : QStringLiteral("changeIpCancel"))
                ->click();
        });
        m_window->face().changeIp->click();
    };

    m_place->prompt.answers << true;
    change(QStringLiteral("10.0.0.5"), QStringLiteral("255.0.0.0"), QStringLiteral("10.0.0.1"),
           true);
    QCOMPARE(shown, QStringList({QStringLiteral("192.168.1.88"), QStringLiteral("255.255.255.0"),
                                 QStringLiteral("192.168.1.1")}));
    QCOMPARE(m_place->prompt.texts(),
             QStringList{QStringLiteral("确认修改IP？\r\n修改后请重启桌牌")});
    QVERIFY(sim.waitForLine(QStringLiteral(
        "ip plate=127.0.0.3 id=8 address=10.0.0.5 mask=255.0.0.0 gateway=10.0.0.1")));

    // Cancel: no question, nothing sent.
    change(QStringLiteral("10.0.0.6"), QStringLiteral("255.255.0.0"), QStringLiteral("10.0.0.2"),
           false);
    QCOMPARE(shown, QStringList({QStringLiteral("10.0.0.5"), QStringLiteral("255.0.0.0"),
                                 QStringLiteral("10.0.0.1")}));
    QCOMPARE(m_place->prompt.texts().size(), 1);

    // OK, then No: nothing sent, but the dialog keeps what OK confirmed.
    m_place->prompt.answers << false;
    change(QStringLiteral("10.0.0.7"), QStringLiteral("255.255.255.0"), QStringLiteral("10.0.0.3"),
           true);
    QCOMPARE(shown, QStringList({QStringLiteral("10.0.0.5"), QStringLiteral("255.0.0.0"),
                                 QStringLiteral("10.0.0.1")}));
    QCOMPARE(m_place->prompt.texts().size(), 2);
    m_place->prompt.answers << false;
    change(QStringLiteral("10.0.0.7"), QStringLiteral("255.255.255.0"), QStringLiteral("10.0.0.3"),
           true);
    QCOMPARE(shown, QStringList({QStringLiteral("10.0.0.7"), QStringLiteral("255.255.255.0"),
                                 QStringLiteral("10.0.0.3")}));

    sync(sim, plateAddress(1));
    QCOMPARE(sim.linesStartingWith(QStringLiteral("ip ")).size(), 1);
}

void TestPlateCommandsE2e::factoryReset_data() {
    QTest::addColumn<QList<int>>("selected"); // rows, clicked with Ctrl
    QTest::addColumn<QString>("list");
    QTest::newRow("all seven") << QList<int>{0, 1, 2, 3, 4, 5, 6}
                               << QStringLiteral("1\t2\t3\t4\t5\r\n6\t7\t");
    QTest::newRow("exactly five") << QList<int>{0, 2, 3, 5, 6}
                                  << QStringLiteral("1\t3\t4\t6\t7\r\n");
}

void TestPlateCommandsE2e::factoryReset() {
    QFETCH(QList<int>, selected);
    QFETCH(QString, list);
    PlateSim sim;
    for (int i = 0; i < 7; ++i)
        sim.addPlate(i + 1, plateAddress(i));
    start(sim);
    for (int i = 0; i < 7; ++i)
        listPlate(plateAddress(i));
    for (int row : selected)
        click(row, Qt::ControlModifier);
    const QString question =
        QStringLiteral("是否确定将以下%1台桌牌恢复出厂设置？\r\n").arg(selected.size()) + list +
        QStringLiteral("\r\n恢复出厂设置会清空ID、IP和显示内容。");

    // No sends nothing.
    m_place->prompt.answers << false;
    m_window->face().actionFactoryReset->trigger();
    QCOMPARE(m_place->prompt.texts(), QStringList{question});
    for (int i = 0; i < 7; ++i)
        sync(sim, plateAddress(i));
    QVERIFY(sim.linesStartingWith(QStringLiteral("reset ")).isEmpty());

    m_place->prompt.clear();
    m_place->prompt.answers << true;
    m_window->face().actionFactoryReset->trigger();
    QCOMPARE(m_place->prompt.texts(),
             QStringList({question, QStringLiteral("发送恢复出厂设置指令完成")}));
    QVERIFY(sim.waitForLine(QStringLiteral("reset "), int(selected.size())));
    for (int i = 0; i < 7; ++i)
        sync(sim, plateAddress(i));
    QStringList expected;
    for (int row : selected)
        expected << QStringLiteral("reset plate=%1 id=%2").arg(plateAddress(row)).arg(row + 1);
    QStringList resets = sim.linesStartingWith(QStringLiteral("reset "));
    resets.sort();
    expected.sort();
    QCOMPARE(resets, expected);
}

QTEST_MAIN(TestPlateCommandsE2e)
#include "test_platecommands_e2e.moc"
