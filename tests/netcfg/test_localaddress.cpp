#include <QtTest>

#include "netcfg/adapterlist.h"
#include "netcfg/archive.h"
#include "netcfg/localaddress.h"
#include "netcfg/netcfgtexts.h"
#include "netcfg/networkchoice.h"
#include "support/fakeadapters.h"
#include "support/tempworkdir.h"

using namespace delvora;
using delvora::test::FakeAdapters;
using delvora::test::TempWorkDir;

namespace {

QList<AdapterEntry> adapters() {
    return {
        {QStringLiteral("lo"), QStringLiteral("00-00-00-00-00-00"), QStringLiteral("127.0.0.1")},
        {QStringLiteral("tun0"), QString(), QStringLiteral("0.0.0.0")},
        {QStringLiteral("eth0"), QStringLiteral("02-FC-00-00-00-01"), QStringLiteral("127.0.0.20")},
        {QStringLiteral("eth0 again"), QStringLiteral("02-FC-00-00-00-01"),
         QStringLiteral("127.0.0.30")},
        {QStringLiteral("wlan0"), QStringLiteral("02-FC-00-00-00-02"), QStringLiteral("0.0.0.0")}};
}

QByteArray settingsFile(const QString &mac, const QString &ip) {
    Archive ar;
    ar.writeString(mac);
    ar.writeString(ip);
    return ar.data();
}

} // namespace

class TestLocalAddress : public QObject {
    Q_OBJECT
private slots:
    void macText();
    void systemListHasLoopback();
    void adapterIpByMac_data();
    void adapterIpByMac();
    void startUp_data();
    void startUp();
    void choice_data();
    void choice();
};

void TestLocalAddress::macText() {
    QCOMPARE(delvora::macText(QByteArray("\x00\x1a\x2b\x3c\x4d\x5e", 6)),
             QStringLiteral("00-1A-2B-3C-4D-5E"));
    QCOMPARE(delvora::macText(QByteArray("\xff", 1)), QStringLiteral("FF"));
    QCOMPARE(delvora::macText(QByteArray()), QString());
}

void TestLocalAddress::systemListHasLoopback() {
    // Every adapter is listed, loopback included, in the same order each time.
    const QList<AdapterEntry> list = SystemAdapterList().adapters();
    const auto lo = std::find_if(list.cbegin(), list.cend(), [](const AdapterEntry &a) {
        return a.ip == QStringLiteral("127.0.0.1");
    });
    QVERIFY(lo != list.cend());
    for (const AdapterEntry &a : list) {
        QVERIFY2(QRegularExpression(QStringLiteral("^([0-9A-F]{2}(-[0-9A-F]{2}){0,7})?$"))
                     .match(a.mac)
                     .hasMatch(),
                 qPrintable(a.mac));
        QCOMPARE(a.ip.count(QLatin1Char('.')), 3);
    }
    const QList<AdapterEntry> again = SystemAdapterList().adapters();
    QCOMPARE(again.size(), list.size());
    for (int i = 0; i < list.size(); ++i)
        QCOMPARE(again[i].description, list[i].description);
}

void TestLocalAddress::adapterIpByMac_data() {
    QTest::addColumn<QString>("mac");
    QTest::addColumn<QString>("ip");
    QTest::newRow("first of two equal")
        << QStringLiteral("02-FC-00-00-00-01") << QStringLiteral("127.0.0.20");
    QTest::newRow("no IPv4 address")
        << QStringLiteral("02-FC-00-00-00-02") << QStringLiteral("0.0.0.0");
    QTest::newRow("empty text, adapter without address") << QString() << QStringLiteral("0.0.0.0");
    QTest::newRow("lower case never matches") << QStringLiteral("02-fc-00-00-00-01") << QString();
    QTest::newRow("a dotted text never matches") << QStringLiteral("127.0.0.1") << QString();
}

void TestLocalAddress::adapterIpByMac() {
    QFETCH(QString, mac);
    QFETCH(QString, ip);
    FakeAdapters fake(adapters());
    QCOMPARE(getAdapterIpByMac(mac), ip);
}

void TestLocalAddress::startUp_data() {
    QTest::addColumn<QByteArray>("file"); // empty: no file
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("fixed");
    QTest::addColumn<QString>("ip");
    QTest::addColumn<QString>("prefix");
    QTest::newRow("first start") << QByteArray() << QStringList{QStringLiteral("找不到配置文件")}
                                 << false << QString() << QString();
    QTest::newRow("stored adapter")
        << settingsFile(QStringLiteral("02-FC-00-00-00-01"), QString()) << QStringList() << false
        << QStringLiteral("127.0.0.20") << QStringLiteral("127.0.0.");
    QTest::newRow("adapter gone") << settingsFile(QStringLiteral("AA-BB-CC-DD-EE-FF"), QString())
                                  << QStringList() << false << QString() << QString();
    QTest::newRow("adapter without IPv4")
        << settingsFile(QStringLiteral("02-FC-00-00-00-02"), QString()) << QStringList() << false
        << QStringLiteral("0.0.0.0") << QStringLiteral("0.0.0.");
    QTest::newRow("fixed address, no such adapter")
        << settingsFile(QStringLiteral("02-FC-00-00-00-01"), QStringLiteral("10.0.0.5"))
        << QStringList() << true << QStringLiteral("10.0.0.5") << QStringLiteral("10.0.0.");
    QTest::newRow("fixed text taken unchecked")
        << settingsFile(QString(), QStringLiteral("plate-room")) << QStringList() << true
        << QStringLiteral("plate-room") << QString();
    QTest::newRow("unreadable") << QByteArray("\xFF\xFE\xFF\x05", 4)
                                << QStringList{QStringLiteral("读取配置失败")} << false << QString()
                                << QString();
}

void TestLocalAddress::startUp() {
    QFETCH(QByteArray, file);
    QFETCH(QStringList, messages);
    QFETCH(bool, fixed);
    QFETCH(QString, ip);
    QFETCH(QString, prefix);
    TempWorkDir dir;
    FakeAdapters fake(adapters());
    if (!file.isEmpty())
        dir.write(QStringLiteral("settings.dat"), file);
    NetworkSettings settings;
    const QString message = netcfgtexts::loadMessage(settings.load());
    QCOMPARE(message.isEmpty() ? QStringList() : QStringList{message}, messages);
    const LocalAddress &local = settings.local();
    QCOMPARE(local.fixed, fixed);
    QCOMPARE(local.ip, ip);
    QCOMPARE(local.prefix, prefix);
}

void TestLocalAddress::choice_data() {
    QTest::addColumn<bool>("fixed");
    QTest::addColumn<QString>("storedIp");
    QTest::addColumn<QString>("ip");
    QTest::newRow("adapter") << false << QString() << QStringLiteral("127.0.0.20");
    QTest::newRow("fixed") << true << QStringLiteral("127.0.0.1") << QStringLiteral("127.0.0.1");
}

void TestLocalAddress::choice() {
    QFETCH(bool, fixed);
    QFETCH(QString, storedIp);
    QFETCH(QString, ip);
    TempWorkDir dir;
    FakeAdapters fake(adapters());
    dir.useFixedAddress(QStringLiteral("10.1.1.1"));
    NetworkSettings settings;
    settings.load();
    QVERIFY(
        settings.choose(fixed, QStringLiteral("02-FC-00-00-00-01"), QStringLiteral("127.0.0.1")));
    const LocalAddress &local = settings.local();
    // The adapter choice is kept also with a fixed address, for when the box is cleared.
    QCOMPARE(settings.choice().mac, QStringLiteral("02-FC-00-00-00-01"));
    QCOMPARE(settings.choice().fixedIp, storedIp);
    // It is kept for the next start.
    NetworkSettings next;
    next.load();
    QCOMPARE(next.choice().fixedIp, storedIp);
    QCOMPARE(next.local().ip, ip);
    QCOMPARE(local.fixed, fixed);
    QCOMPARE(local.ip, ip);
    QCOMPARE(local.prefix, QStringLiteral("127.0.0."));
}

QTEST_GUILESS_MAIN(TestLocalAddress)
#include "test_localaddress.moc"
