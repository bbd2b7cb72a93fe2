#include <QDir>
#include <QtTest>

#include "support/fakedrives.h"
#include "support/tempworkdir.h"
#include "usb/addressdigits.h"
#include "usb/clearfolder.h"
#include "usb/drivelist.h"

using namespace delvora;
using namespace delvora::test;

Q_DECLARE_METATYPE(QList<delvora::DriveInfo>)

class TestUsbFiles : public QObject {
    Q_OBJECT
private slots:
    void driveEntryText_data();
    void driveEntryText();
    void driveChoices_data();
    void driveChoices();
    void removableDevice_data();
    void removableDevice();
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
    QCOMPARE(delvora::driveEntryText(FakeDrives::volume(QStringLiteral("E:\\"), bytes)), text);
}

void TestUsbFiles::driveChoices_data() {
    QTest::addColumn<bool>("letters");
    QTest::addColumn<QList<DriveInfo>>("volumes"); // in the order they were mounted
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("roots");
    QTest::addColumn<int>("chosen");
    const qint64 gib = qint64(1) << 30;
    const qint64 stick = 8053063680; // 7.5 G
    const DriveInfo system =
        FakeDrives::volume(QStringLiteral("/"), 252 * gib, {}, QStringLiteral("/dev/vda"));
    const QString systemText = QStringLiteral("/ (252.0 G)");
    const QString slash = QStringLiteral("/");
    // Devices that say they are removable: /dev/sdb and its partitions.
    QTest::newRow("stick by its label")
        << false
        << QList<DriveInfo>{system, FakeDrives::volume(QStringLiteral("/media/op/KINGSTON"), stick,
                                                       QStringLiteral("KINGSTON"),
                                                       QStringLiteral("/dev/sdb1"))}
        << QStringList{QStringLiteral("KINGSTON (7.5 G)"), systemText}
        << QStringList{QStringLiteral("/media/op/KINGSTON"), slash} << 0;
    QTest::newRow("no label: the last part of the mount path")
        << false
        << QList<DriveInfo>{FakeDrives::volume(QStringLiteral("/media/op/会议 资料/"), stick, {},
                                               QStringLiteral("/dev/sdc1"))}
        << QStringList{QStringLiteral("会议 资料 (7.5 G)")}
        << QStringList{QStringLiteral("/media/op/会议 资料/")} << 0;
    QTest::newRow("removable by its device, mounted anywhere")
        << false
        << QList<DriveInfo>{FakeDrives::volume(QStringLiteral("/mnt/usb"), stick, {},
                                               QStringLiteral("/dev/sdb1")),
                            system}
        << QStringList{QStringLiteral("usb (7.5 G)"), systemText}
        << QStringList{QStringLiteral("/mnt/usb"), slash} << 0;
    QTest::newRow("read-only and empty volumes left out, nothing chosen")
        << false
        << QList<DriveInfo>{system,
                            FakeDrives::volume(QStringLiteral("/mnt/cdrom"), gib,
                                               QStringLiteral("DISC"), QStringLiteral("/dev/sdb"),
                                               true),
                            FakeDrives::volume(QStringLiteral("/media/op/READER"), 0, {},
                                               QStringLiteral("/dev/sdb2")),
                            FakeDrives::volume(QStringLiteral("/home"), 100 * gib, {},
                                               QStringLiteral("/dev/vda2"))}
        << QStringList{systemText, QStringLiteral("home (100.0 G)")}
        << QStringList{slash, QStringLiteral("/home")} << -1;
    QTest::newRow("sticks first in mount order, the last one chosen")
        << false
        << QList<DriveInfo>{system,
                            FakeDrives::volume(QStringLiteral("/media/op/A"), gib, {},
                                               QStringLiteral("/dev/sdb1")),
                            FakeDrives::volume(QStringLiteral("/srv"), gib, {},
                                               QStringLiteral("/dev/vda3")),
                            FakeDrives::volume(QStringLiteral("/run/media/op/B"), gib,
                                               QStringLiteral("DISK"), QStringLiteral("/dev/sdd1"))}
        << QStringList{QStringLiteral("A (1.0 G)"), QStringLiteral("DISK (1.0 G)"), systemText,
                       QStringLiteral("srv (1.0 G)")}
        << QStringList{QStringLiteral("/media/op/A"), QStringLiteral("/run/media/op/B"), slash,
                       QStringLiteral("/srv")}
        << 1;
    QTest::newRow("no volumes (an unreadable mount table)")
        << false << QList<DriveInfo>{} << QStringList{} << QStringList{} << -1;
    QTest::newRow("drive letters: every drive by its root, the last chosen")
        << true
        << QList<DriveInfo>{FakeDrives::volume(QStringLiteral("C:\\"), 252 * gib,
                                               QStringLiteral("系统")),
                            FakeDrives::volume(QStringLiteral("D:\\"), 0),
                            FakeDrives::volume(QStringLiteral("E:\\"), stick,
                                               QStringLiteral("KINGSTON"), {}, true)}
        << QStringList{QStringLiteral("C:\\(252.0 G)"), QStringLiteral("D:\\(0.0 G)"),
                       QStringLiteral("E:\\(7.5 G)")}
        << QStringList{QStringLiteral("C:\\"), QStringLiteral("D:\\"), QStringLiteral("E:\\")} << 2;
}

void TestUsbFiles::driveChoices() {
    QFETCH(bool, letters);
    QFETCH(QList<DriveInfo>, volumes);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, roots);
    QFETCH(int, chosen);
    FakeDrives drives(volumes, letters ? DriveRules::Letters : DriveRules::Mounts);
    drives.removable = {QStringLiteral("/dev/sdb"), QStringLiteral("/dev/sdb1"),
                        QStringLiteral("/dev/sdb2"), QStringLiteral("/dev/sdc1")};
    const DriveChoices got = delvora::driveChoices(drives);
    QStringList gotTexts;
    QStringList gotRoots;
    for (const DriveEntry &entry : got.entries) {
        gotTexts << entry.text;
        gotRoots << entry.root;
        // The whole entry: the text of a drive letter, the full path of a mount point.
        QCOMPARE(entry.toolTip, letters ? entry.text : QDir::toNativeSeparators(entry.root));
    }
    QCOMPARE(gotTexts, texts);
    QCOMPARE(gotRoots, roots);
    QCOMPARE(got.preferred, chosen);
}

void TestUsbFiles::removableDevice_data() {
    QTest::addColumn<QString>("device"); // relative names are inside the test's folder
    QTest::addColumn<bool>("removable");
    QTest::newRow("removable disk") << QStringLiteral("/dev/sdb") << true;
    QTest::newRow("its partition") << QStringLiteral("/dev/sdb1") << true;
    QTest::newRow("by its label") << QStringLiteral("dev/disk/by-label/KINGSTON") << true;
    QTest::newRow("fixed disk's partition") << QStringLiteral("/dev/vda2") << false;
    QTest::newRow("unknown device") << QStringLiteral("/dev/sdx9") << false;
    QTest::newRow("not a device") << QStringLiteral("tmpfs") << false;
    // A mount's source that happens to be named like a disk is no device file.
    QTest::newRow("bare disk name") << QStringLiteral("sdb") << false;
    QTest::newRow("nothing") << QString() << false;
}

void TestUsbFiles::removableDevice() {
    QFETCH(QString, device);
    QFETCH(bool, removable);
    TempWorkDir dir;
    QDir root(dir.path());
    for (const char *folder : {"sys/block/sdb/sdb1", "sys/block/vda/vda2", "dev/disk/by-label"})
        root.mkpath(QString::fromLatin1(folder));
    dir.write(QStringLiteral("sys/block/sdb/removable"), "1\n");
    dir.write(QStringLiteral("sys/block/vda/removable"), "0\n");
    dir.write(QStringLiteral("dev/sdb1"), "");
    QVERIFY(QFile::link(dir.file(QStringLiteral("dev/sdb1")),
                        dir.file(QStringLiteral("dev/disk/by-label/KINGSTON"))));
    if (device.startsWith(QStringLiteral("dev/")))
        device = dir.file(device);
    QCOMPARE(blockDeviceRemovable(device, dir.file(QStringLiteral("sys"))), removable);
    // Without the system's block folder nothing is removable.
    QVERIFY(!blockDeviceRemovable(device, dir.file(QStringLiteral("none"))));
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
