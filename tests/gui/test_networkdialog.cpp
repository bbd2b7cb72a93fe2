#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "gui/ipaddressedit.h"
#include "gui/networkdialog.h"
#include "support/fakeadapters.h"
#include "support/scriptedprompt.h"
#include "support/tempworkdir.h"
#include "support/whenmodal.h"

using namespace delvora;
using namespace delvora::test;

namespace {

QList<AdapterEntry> adapters() {
    return {
        {QStringLiteral("lo"), QStringLiteral("00-00-00-00-00-00"), QStringLiteral("127.0.0.1")},
        {QStringLiteral("eth0"), QStringLiteral("02-FC-00-00-00-01"), QStringLiteral("127.0.0.20")},
        {QStringLiteral("eth0 again"), QStringLiteral("02-FC-00-00-00-01"),
         QStringLiteral("127.0.0.30")},
        {QStringLiteral("wlan0"), QStringLiteral("02-FC-00-00-00-02"), QStringLiteral("0.0.0.0")}};
}

} // namespace

class TestNetworkDialog : public QObject {
    Q_OBJECT
private slots:
    void firstStartShowsNothingChosen();
    void storedChoiceShown_data();
    void storedChoiceShown();
    void choosingAdapterReplacesTypedAddress();
    void okWithoutFixedAddressKeepsIt();
    void controlsCanBeFound();
    void failedSaveKeepsTheChoice();
};

void TestNetworkDialog::firstStartShowsNothingChosen() {
    FakeAdapters fake(adapters());
    NetworkDialog dialog(QString(), false, QString());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("网络设置"));
    QCOMPARE(dialog.m_comboAdapter->count(), 4);
    QCOMPARE(dialog.m_comboAdapter->itemText(2), QStringLiteral("eth0 again"));
    QCOMPARE(dialog.m_comboAdapter->currentIndex(), -1);
    QCOMPARE(dialog.m_editMac->text(), QString());
    QVERIFY(dialog.m_ipCtrl->isBlank());
    QVERIFY(!dialog.m_checkFixed->isChecked());
    dialog.findChild<QPushButton *>(QStringLiteral("netSetOk"))->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.m_mac, QString());
    QVERIFY(!dialog.m_fixedIp);
}

void TestNetworkDialog::storedChoiceShown_data() {
    QTest::addColumn<QString>("mac");
    QTest::addColumn<bool>("fixed");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("shownIp");
    QTest::newRow("later of two equal MACs")
        << QStringLiteral("02-FC-00-00-00-01") << false << 2 << QStringLiteral("127.0.0.30");
    QTest::newRow("fixed address over the adapter's")
        << QStringLiteral("02-FC-00-00-00-01") << true << 2 << QStringLiteral("10.0.0.5");
    QTest::newRow("adapter gone, fixed")
        << QStringLiteral("AA-AA-AA-AA-AA-AA") << true << -1 << QStringLiteral("10.0.0.5");
    QTest::newRow("adapter without IPv4")
        << QStringLiteral("02-FC-00-00-00-02") << false << 3 << QStringLiteral("0.0.0.0");
}

void TestNetworkDialog::storedChoiceShown() {
    QFETCH(QString, mac);
    QFETCH(bool, fixed);
    QFETCH(int, selected);
    QFETCH(QString, shownIp);
    FakeAdapters fake(adapters());
    NetworkDialog dialog(mac, fixed, QStringLiteral("10.0.0.5"));
    QCOMPARE(dialog.m_comboAdapter->currentIndex(), selected);
    QCOMPARE(dialog.m_editMac->text(), selected < 0 ? QString() : mac);
    QCOMPARE(dialog.m_ipCtrl->text(), shownIp);
    QCOMPARE(dialog.m_checkFixed->isChecked(), fixed);
}

void TestNetworkDialog::choosingAdapterReplacesTypedAddress() {
    FakeAdapters fake(adapters());
    NetworkDialog dialog(QStringLiteral("02-FC-00-00-00-01"), true, QStringLiteral("10.0.0.5"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    // The operator picks wlan0 with the keyboard while the box is checked.
    dialog.m_comboAdapter->setFocus();
    QTest::keyClick(dialog.m_comboAdapter, Qt::Key_Down);
    QCOMPARE(dialog.m_comboAdapter->currentIndex(), 3);
    QCOMPARE(dialog.m_editMac->text(), QStringLiteral("02-FC-00-00-00-02"));
    QCOMPARE(dialog.m_ipCtrl->text(), QStringLiteral("0.0.0.0"));
    dialog.m_ipCtrl->setText(QStringLiteral("127.0.0.1"));
    dialog.findChild<QPushButton *>(QStringLiteral("netSetOk"))->click();
    QVERIFY(dialog.m_fixedIp);
    QCOMPARE(dialog.m_ip, QStringLiteral("127.0.0.1"));
    QCOMPARE(dialog.m_mac, QStringLiteral("02-FC-00-00-00-02"));
}

void TestNetworkDialog::okWithoutFixedAddressKeepsIt() {
    FakeAdapters fake(adapters());
    NetworkDialog dialog(QStringLiteral("02-FC-00-00-00-01"), true, QStringLiteral("10.0.0.5"));
    dialog.m_checkFixed->setChecked(false);
    dialog.m_ipCtrl->setText(QStringLiteral("10.9.9.9"));
    dialog.accept();
    QVERIFY(!dialog.m_fixedIp);
    QCOMPARE(dialog.m_ip, QStringLiteral("10.0.0.5"));
    QCOMPARE(dialog.m_mac, QStringLiteral("02-FC-00-00-00-01"));
}

void TestNetworkDialog::controlsCanBeFound() {
    FakeAdapters fake(adapters());
    NetworkDialog dialog(QString(), false, QString());
    const QList<QPair<const char *, QString>> named = {
        {"adapterCombo", QStringLiteral("网卡")},
        {"macEdit", QStringLiteral("MAC")},
        {"ipAddress", QStringLiteral("IP地址")},
    };
    for (const auto &[name, accessible] : named) {
        auto *w = dialog.findChild<QWidget *>(QString::fromLatin1(name));
        QVERIFY2(w, name);
        QCOMPARE(w->accessibleName(), accessible);
    }
    QCOMPARE(dialog.findChild<QCheckBox *>(QStringLiteral("fixedIp"))->text(),
             QStringLiteral("使用固定IP"));
    QCOMPARE(dialog.findChild<QPushButton *>(QStringLiteral("netSetCancel"))->text(),
             QStringLiteral("取消"));
}

void TestNetworkDialog::failedSaveKeepsTheChoice() {
    // OK with a folder where "settings.dat" should be: the operator is told, and the choice is
    // in force all the same.
    TempWorkDir dir;
    ScriptedPrompt prompt;
    FakeAdapters fake(adapters());
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("settings.dat")));
    NetworkSettings settings;
    whenModal<NetworkDialog>([](NetworkDialog *dialog) {
        dialog->m_checkFixed->setChecked(true);
        dialog->m_ipCtrl->setText(QStringLiteral("127.0.0.9"));
        dialog->accept();
    });
    runNetworkSettings(settings, nullptr);
    QCOMPARE(prompt.texts(), QStringList{QStringLiteral("保存配置失败")});
    QCOMPARE(prompt.shown[0].icon, Prompt::Icon::Warning);
    QCOMPARE(settings.local().ip, QStringLiteral("127.0.0.9"));
    QCOMPARE(settings.local().prefix, QStringLiteral("127.0.0."));
}

QTEST_MAIN(TestNetworkDialog)
#include "test_networkdialog.moc"
