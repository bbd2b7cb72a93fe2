#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QUdpSocket>
#include <QtTest>

#include "gui/changeipdialog.h"
#include "gui/ipaddressedit.h"
#include "gui/platepanel.h"
#include "net/factoryreset.h"
#include "net/nettexts.h"
#include "net/networkupdate.h"
#include "net/pictureserver.h"
#include "net/platereply.h"
#include "net/platesocket.h"
#include "support/listcells.h"
#include "support/scriptedprompt.h"
#include "support/whenmodal.h"

using namespace delvora;
using namespace delvora::test;

namespace {

// Answers every question Yes after running a side effect, as answers handled while a real
// question box is open would.
class QuestionWithSideEffect : public ScriptedPrompt {
public:
    std::function<void()> meanwhile;
    bool question(QWidget *parent, const QString &text) override {
        if (meanwhile)
            meanwhile();
        ScriptedPrompt::question(parent, text);
        return true;
    }
};

QStringList addresses(const IpAddressEdit *a, const IpAddressEdit *b, const IpAddressEdit *c) {
    return {a->text(), b->text(), c->text()};
}

} // namespace

// The question texts, the address dialog and the factory reset on the online list.
class TestPlateCommands : public QObject {
    Q_OBJECT
private slots:
    void idChangeQuestion();
    void resetQuestion_data();
    void resetQuestion();
    void addressDialogKeepsConfirmedValues();
    void resetGoesToConfirmedPlates();
};

void TestPlateCommands::idChangeQuestion() {
    QCOMPARE(nettexts::idChangeQuestion(QStringLiteral("5"), 17),
             QStringLiteral("是否将ID: 5 修改为 17 ?"));
}

void TestPlateCommands::resetQuestion_data() {
    QTest::addColumn<QStringList>("ids");
    QTest::addColumn<QString>("list");
    QTest::newRow("one") << QStringList{QStringLiteral("8")} << QStringLiteral("8\t");
    QTest::newRow("five end the line")
        << QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                       QStringLiteral("4"), QStringLiteral("5")}
        << QStringLiteral("1\t2\t3\t4\t5\r\n");
    QTest::newRow("seven") << QStringLiteral("1 2 3 4 5 6 7").split(u' ')
                           << QStringLiteral("1\t2\t3\t4\t5\r\n6\t7\t");
    QTest::newRow("eleven") << QStringLiteral("10 20 30 40 50 60 70 80 90 100 9999").split(u' ')
                            << QStringLiteral(
                                   "10\t20\t30\t40\t50\r\n60\t70\t80\t90\t100\r\n9999\t");
}

void TestPlateCommands::resetQuestion() {
    QFETCH(QStringList, ids);
    QFETCH(QString, list);
    QCOMPARE(FactoryReset::question(ids),
             QStringLiteral("是否确定将以下%1台桌牌恢复出厂设置？\r\n").arg(ids.size()) + list +
                 QStringLiteral("\r\n恢复出厂设置会清空ID、IP和显示内容。"));
}

void TestPlateCommands::addressDialogKeepsConfirmedValues() {
    ChangeIpDialog dialog;
    QStringList shown;
    auto showThen = [&shown](std::function<void(ChangeIpDialog *)> act) {
        whenModal<ChangeIpDialog>([&shown, act](ChangeIpDialog *d) {
            shown = addresses(d->m_ipAddr, d->m_ipMask, d->m_ipGateway);
            act(d);
        });
    };
    auto type = [](ChangeIpDialog *d, const char *a, const char *m, const char *g) {
        d->m_ipAddr->setText(QString::fromLatin1(a));
        d->m_ipMask->setText(QString::fromLatin1(m));
        d->m_ipGateway->setText(QString::fromLatin1(g));
    };
    auto ok = [](ChangeIpDialog *d) {
        d->findChild<QPushButton *>(QStringLiteral("changeIpOk"))->click();
    };

    showThen([&](ChangeIpDialog *d) {
        type(d, "10.0.0.5", "255.0.0.0", "10.0.0.1");
        ok(d);
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(shown, QStringList({QStringLiteral("192.168.1.88"), QStringLiteral("255.255.255.0"),
                                 QStringLiteral("192.168.1.1")}));
    QCOMPARE(dialog.m_command, QByteArray("010000000005255000000000010000000001ip"));

    // Cancel keeps the confirmed values and the command.
    showThen([&](ChangeIpDialog *d) {
        type(d, "10.9.9.9", "255.255.0.0", "10.9.9.1");
        d->findChild<QPushButton *>(QStringLiteral("changeIpCancel"))->click();
    });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QCOMPARE(shown, QStringList({QStringLiteral("10.0.0.5"), QStringLiteral("255.0.0.0"),
                                 QStringLiteral("10.0.0.1")}));
    QCOMPARE(dialog.m_command, QByteArray("010000000005255000000000010000000001ip"));

    // Blank fields read 0.
    showThen([&](ChangeIpDialog *d) {
        QCOMPARE(addresses(d->m_ipAddr, d->m_ipMask, d->m_ipGateway),
                 QStringList({QStringLiteral("10.0.0.5"), QStringLiteral("255.0.0.0"),
                              QStringLiteral("10.0.0.1")}));
        d->m_ipAddr->field(3)->clear();
        d->m_ipGateway->clear();
        ok(d);
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(dialog.m_command, QByteArray("010000000000255000000000000000000000ip"));
}

void TestPlateCommands::resetGoesToConfirmedPlates() {
    // Three plates on the shared plate port.
    const NetworkParameters network;
    QUdpSocket plates[3];
    for (int i = 0; i < 3; ++i)
        QVERIFY(plates[i].bind(QHostAddress(QStringLiteral("127.0.0.%1").arg(i + 2)),
                               network.platePort,
                               QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint));
    QWidget window;
    auto *list = new QTreeView(&window);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    PlateSocket socket;
    PictureServer server;
    NetworkUpdate update(server, socket);
    PlatePanel panel({list, new QLineEdit(&window), nullptr}, socket, update, network, &window);
    OnlinePlates &online = panel.online();
    auto reply = [&online](int id, int plate) {
        PlateReply r;
        r.plateId = id;
        r.sender = QHostAddress(QStringLiteral("127.0.0.%1").arg(plate + 2));
        online.onPlateReply(r);
    };
    for (int i = 0; i < 3; ++i)
        reply(20 + i, i);
    delvora::test::selectListRow(list, 0);
    delvora::test::selectListRow(list, 1);

    // While the question is open the list is cleared and refilled with another selection.
    QuestionWithSideEffect prompt;
    prompt.meanwhile = [&] {
        online.board().clear();
        reply(99, 2);
        delvora::test::selectListRow(list, 0);
    };
    QCOMPARE(panel.factoryReset(), 2);
    QCOMPARE(prompt.texts(),
             QStringList({FactoryReset::question({QStringLiteral("20"), QStringLiteral("21")}),
                          nettexts::resetSent()}));
    for (int i = 0; i < 2; ++i) {
        QTRY_VERIFY(plates[i].hasPendingDatagrams());
        QByteArray got(16, '\0');
        got.truncate(plates[i].readDatagram(got.data(), got.size()));
        QCOMPARE(got, QByteArray("000def"));
    }
    QVERIFY(!plates[2].hasPendingDatagrams());
}

QTEST_MAIN(TestPlateCommands)
#include "test_platecommands.moc"
