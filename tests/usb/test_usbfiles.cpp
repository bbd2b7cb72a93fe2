#include <QDir>
#include <QtTest>

#include "support/tempworkdir.h"
#include "usb/addressdigits.h"
#include "usb/clearfolder.h"
#include "usb/drivelist.h"

using namespace delvora;
using namespace delvora::test;

class TestUsbFiles : public QObject {
    Q_OBJECT
private slots:
    void driveEntryText_data();
    void driveEntryText();
    void drivePaths();
    void addressDigits_data();
    void addressDigits();
    void clearFolder();
};

void TestUsbFiles::driveEntryText_data() {
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("8 GB stick") << qint64(8053063680) << QStringLiteral("E:\\(7.5 G)");
    QTest::newRow("empty reader") << qint64(0) << QStringLiteral("E:\\(0.0 G)");
    QTest::newRow("2 TB disk") << qint64(2000398934016) << QStringLiteral("E:\\(1863.0 G)");
}

void TestUsbFiles::driveEntryText() {
    QFETCH(qint64, bytes);
    QFETCH(QString, text);
    QCOMPARE(delvora::driveEntryText({QStringLiteral("E:\\"), bytes}), text);
}

void TestUsbFiles::drivePaths() {
    QCOMPARE(drivePath(QStringLiteral("/media/x/"), QStringLiteral("ID.txt")),
             QDir::toNativeSeparators(QStringLiteral("/media/x/ID.txt")));
    QCOMPARE(drivePath(QStringLiteral("/media/x"), QStringLiteral("PICTURE")),
             QDir::toNativeSeparators(QStringLiteral("/media/x/PICTURE")));
}

void TestUsbFiles::addressDigits_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<QByteArray>("digits");
    QTest::newRow("address") << QStringLiteral("192.168.1.100") << QByteArray("192168001100");
    QTest::newRow("mask") << QStringLiteral("255.255.255.0") << QByteArray("255255255000");
    QTest::newRow("short groups") << QStringLiteral("10.0.0.1") << QByteArray("010000000001");
    QTest::newRow("empty") << QString() << QByteArray("000000000000");
    QTest::newRow("two dots") << QStringLiteral("192.168.1") << QByteArray("192168000001");
    QTest::newRow("four dots") << QStringLiteral("1.2.3.4.5") << QByteArray("001002003004");
    QTest::newRow("blanks and sign") << QStringLiteral(" 7.+8.-9.x") << QByteArray("007008-09000");
    QTest::newRow("too large") << QStringLiteral("1000.0.0.1") << QByteArray();
    QTest::newRow("too small") << QStringLiteral("1.2.3.-100") << QByteArray();
}

void TestUsbFiles::addressDigits() {
    QFETCH(QString, address);
    QFETCH(QByteArray, digits);
    const std::optional<QByteArray> got = delvora::addressDigits(address);
    if (digits.isEmpty())
        QCOMPARE(got, std::nullopt);
    else
        QCOMPARE(got, digits);
}

void TestUsbFiles::clearFolder() {
    TempWorkDir dir;
    QDir root(dir.path());
    root.mkpath(QStringLiteral("IP/sub/deeper"));
    dir.write(QStringLiteral("IP/99.txt"), "old");
    dir.write(QStringLiteral("IP/sub/1.txt"), "old");
    dir.write(QStringLiteral("IP/sub/deeper/2.txt"), "old");
    dir.write(QStringLiteral("outside.txt"), "keep");
    QFile::link(dir.file(QStringLiteral("outside.txt")), dir.file(QStringLiteral("IP/link")));
    QVERIFY(delvora::clearFolder(dir.file(QStringLiteral("IP"))));
    QVERIFY(QFileInfo(dir.file(QStringLiteral("IP/sub/deeper"))).isDir());
    QCOMPARE(QDir(dir.file(QStringLiteral("IP"))).entryList(QDir::Files | QDir::System), {});
    QVERIFY(!QFile::exists(dir.file(QStringLiteral("IP/sub/1.txt"))));
    QCOMPARE(dir.read(QStringLiteral("outside.txt")), QByteArray("keep"));
    QVERIFY(delvora::clearFolder(dir.file(QStringLiteral("IP")))); // nothing left to delete
}

QTEST_MAIN(TestUsbFiles)
#include "test_usbfiles.moc"
