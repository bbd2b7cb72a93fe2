#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

#include "gui/mainwindow.h"
#include "gui/ipaddressedit.h"
#include "netcfg/archive.h"
#include "gui/networkdialog.h"
#include "support/fakeadapters.h"
#include "support/listcells.h"
#include "support/platesim.h"
#include "support/scriptedprompt.h"
#include "support/tempworkdir.h"
#include "support/whenmodal.h"

using namespace delvora;
using namespace delvora::test;

namespace {

QByteArray settingsFile(const QString &mac, const QString &ip) {
    Archive ar;
    ar.writeString(mac);
    ar.writeString(ip);
    return ar.data();
}

// The rows of the online list as "ID IP", sorted: answers arrive in no fixed order.
QStringList rows(QTreeView *list) {
    QStringList out = listPairs(list);
    out.sort();
    return out;
}

// Plays plates with these IDs on 127.0.0.2, 127.0.0.3, ...
void addPlates(PlateSim &sim, const QList<int> &ids) {
    for (int i = 0; i < ids.size(); ++i)
        sim.addPlate(ids[i], QStringLiteral("127.0.0.%1").arg(i + 2));
}

} // namespace

// The main window finds simulated plates on loopback.
class TestDiscoveryE2e : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void detectsPlates();
    void sameIdLaterRowWins();
    void fixedAddressSetInDialogSurvivesRestart();

private:
    std::unique_ptr<TempWorkDir> m_dir;
    std::unique_ptr<ScriptedPrompt> m_prompt;
    std::unique_ptr<FakeAdapters> m_adapters;
};

void TestDiscoveryE2e::init() {
    m_dir = std::make_unique<TempWorkDir>();
    m_dir->installResource(QStringLiteral("red.jpg"));
    m_prompt = std::make_unique<ScriptedPrompt>();
    // Only loopback: nothing here may send beyond 127.0.0.0/8.
    m_adapters = std::make_unique<FakeAdapters>(QList<AdapterEntry>{
        {QStringLiteral("lo"), QStringLiteral("00-00-00-00-00-00"), QStringLiteral("127.0.0.1")}});
}

void TestDiscoveryE2e::cleanup() {
    m_adapters.reset();
    m_prompt.reset();
    m_dir.reset();
}

void TestDiscoveryE2e::detectsPlates() {
    m_dir->write(QStringLiteral("settings.dat"),
                 settingsFile(QString(), QStringLiteral("127.0.0.1")));
    PlateSim sim;
    addPlates(sim, {5, 7, 12});
    QVERIFY2(sim.start(), qPrintable(sim.errors()));

    MainWindow window;
    QVERIFY(m_prompt->shown.isEmpty());
    auto *list = window.findChild<QTreeView *>(QStringLiteral("onlineList"));
    auto *detect = window.findChild<QPushButton *>(QStringLiteral("detectPlates"));
    QVERIFY(list && detect);
    const QStringList expected = {QStringLiteral("12 127.0.0.4"), QStringLiteral("5 127.0.0.2"),
                                  QStringLiteral("7 127.0.0.3")};
    for (int press = 1; press <= 2; ++press) {
        QTest::mouseClick(detect, Qt::LeftButton);
        QCOMPARE(listRows(list), 0); // cleared; answers come later
        QTRY_COMPARE(rows(list), expected);
        QVERIFY(
            sim.waitForLine(QStringLiteral("hello plate=127.0.0.4 id=12 from=127.0.0.1"), press));
    }
    QCOMPARE(window.findPlateIp(QStringLiteral("7")), QStringLiteral("127.0.0.3"));
    QCOMPARE(window.findPlateIp(QStringLiteral("8")), QString());
    QVERIFY(m_prompt->shown.isEmpty());
}

void TestDiscoveryE2e::sameIdLaterRowWins() {
    m_dir->write(QStringLiteral("settings.dat"),
                 settingsFile(QString(), QStringLiteral("127.0.0.1")));
    PlateSim sim;
    addPlates(sim, {7, 7});
    QVERIFY2(sim.start(), qPrintable(sim.errors()));
    MainWindow window;
    auto *list = window.findChild<QTreeView *>(QStringLiteral("onlineList"));
    window.findChild<QPushButton *>(QStringLiteral("detectPlates"))->click();
    QTRY_COMPARE(listRows(list), 2);
    QCOMPARE(window.findPlateIp(QStringLiteral("7")), listText(list, 1, 1));
    QVERIFY(listText(list, 0, 1) != listText(list, 1, 1));
}

void TestDiscoveryE2e::fixedAddressSetInDialogSurvivesRestart() {
    PlateSim sim;
    addPlates(sim, {21, 22, 23});
    QVERIFY2(sim.start(), qPrintable(sim.errors()));
    {
        // First start: no settings file, so no local address and no sweep.
        MainWindow window;
        QCOMPARE(m_prompt->texts(), QStringList{QStringLiteral("找不到配置文件")});
        window.findChild<QPushButton *>(QStringLiteral("detectPlates"))->click();
        QCOMPARE(m_prompt->texts().last(),
                 QStringLiteral("未设置本机IP，请先在“设置→网络”中选择网卡"));
        QVERIFY(sim.linesStartingWith(QStringLiteral("hello")).isEmpty());

        // Cancel changes nothing.
        whenModal<NetworkDialog>([](NetworkDialog *dialog) { dialog->reject(); });
        window.face().actionNetwork->trigger();
        QVERIFY(!QFile::exists(m_dir->file(QStringLiteral("settings.dat"))));

        whenModal<NetworkDialog>([](NetworkDialog *dialog) {
            dialog->findChild<QCheckBox *>(QStringLiteral("fixedIp"))->click();
            dialog->findChild<IpAddressEdit *>(QStringLiteral("ipAddress"))
                ->setText(QStringLiteral("127.0.0.1"));
            dialog->findChild<QPushButton *>(QStringLiteral("netSetOk"))->click();
        });
        window.face().actionNetwork->trigger();
        QCOMPARE(m_dir->read(QStringLiteral("settings.dat")),
                 settingsFile(QString(), QStringLiteral("127.0.0.1")));
    }
    m_prompt->clear();
    MainWindow restarted;
    QVERIFY(m_prompt->shown.isEmpty());
    auto *list = restarted.findChild<QTreeView *>(QStringLiteral("onlineList"));
    restarted.findChild<QPushButton *>(QStringLiteral("detectPlates"))->click();
    QTRY_COMPARE(rows(list),
                 QStringList({QStringLiteral("21 127.0.0.2"), QStringLiteral("22 127.0.0.3"),
                              QStringLiteral("23 127.0.0.4")}));
}

QTEST_MAIN(TestDiscoveryE2e)
#include "test_discovery_e2e.moc"
