#include <QtTest>

#include "common/gbk.h"
#include "netcfg/archive.h"
#include "netcfg/netcfgtexts.h"
#include "netcfg/networkchoice.h"
#include "support/tempworkdir.h"

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

using namespace delvora;
using delvora::test::TempWorkDir;

namespace {

const QString kMac = QStringLiteral("00-1A-2B-3C-4D-5E");

// A string as the archive writes it, built by hand.
QByteArray wide(const QString &text, const QByteArray &prefix) {
    QByteArray out = QByteArray("\xFF\xFE\xFF", 3) + prefix;
    for (QChar c : text)
        out += char(c.unicode() & 0xFF), out += char(c.unicode() >> 8);
    return out;
}

QByteArray wideShort(const QString &text) {
    return wide(text, QByteArray(1, char(text.size())));
}

} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT
private slots:
    void fortyTwoByteFile();
    void lengthPrefixes_data();
    void lengthPrefixes();
    void narrowStringsLoadAndAreSavedWide();
    void cutFileKeepsWhatWasRead_data();
    void cutFileKeepsWhatWasRead();
    void badLengthsAreErrors_data();
    void badLengthsAreErrors();
    void missingFile();
    void failedSaveKeepsOldFile();
};

void TestSettingsFile::fortyTwoByteFile() {
    TempWorkDir dir;
    const QByteArray file = wideShort(kMac) + QByteArray("\xFF\xFE\xFF\x00", 4);
    QCOMPARE(file.size(), 42);
    dir.write(QStringLiteral("settings.dat"), file + QByteArray("trailing bytes are ignored"));
    NetworkChoice settings;
    settings.fixedIp = QStringLiteral("old");
    QCOMPARE(settings.load(), NetworkChoice::Load::Loaded);
    QCOMPARE(settings.mac, kMac);
    QCOMPARE(settings.fixedIp, QString());
    QVERIFY(settings.save());
    QCOMPARE(dir.read(QStringLiteral("settings.dat")), file);
}

void TestSettingsFile::lengthPrefixes_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<QByteArray>("prefix"); // after FF FE FF
    QTest::newRow("0") << 0 << QByteArray("\x00", 1);
    QTest::newRow("254") << 254 << QByteArray("\xFE", 1);
    QTest::newRow("255") << 255 << QByteArray("\xFF\xFF\x00", 3);
    QTest::newRow("65533") << 65533 << QByteArray("\xFF\xFD\xFF", 3);
    QTest::newRow("65534") << 65534 << QByteArray("\xFF\xFF\xFF\xFE\xFF\x00\x00", 7);
    QTest::newRow("70000") << 70000 << QByteArray("\xFF\xFF\xFF\x70\x11\x01\x00", 7);
}

void TestSettingsFile::lengthPrefixes() {
    QFETCH(int, length);
    QFETCH(QByteArray, prefix);
    QString text(length, Qt::Uninitialized);
    for (int i = 0; i < length; ++i)
        text[i] = QChar(char16_t(0x4E00 + i % 500)); // CJK, so both bytes of a unit matter
    Archive out;
    out.writeString(text);
    out.writeString(QStringLiteral("x"));
    QCOMPARE(out.data().left(3 + prefix.size()), QByteArray("\xFF\xFE\xFF", 3) + prefix);
    QCOMPARE(out.data().size(), 3 + prefix.size() + 2 * length + 6);
    Archive in(out.data());
    QString back, next;
    QVERIFY(in.readString(back));
    QVERIFY(in.readString(next));
    QCOMPARE(back, text);
    QCOMPARE(next, QStringLiteral("x"));
}

void TestSettingsFile::narrowStringsLoadAndAreSavedWide() {
    TempWorkDir dir;
    // Narrow form: a length byte, or FF and a 16-bit length other than FFFE; 8-bit GBK text.
    const QByteArray ip = QByteArray("10.0.0.5") + QByteArray(292, ' ');
    dir.write(QStringLiteral("settings.dat"), QByteArray(1, char(kMac.size())) + kMac.toLatin1() +
                                                  QByteArray("\xFF\x2C\x01", 3) + ip);
    NetworkChoice settings;
    QCOMPARE(settings.load(), NetworkChoice::Load::Loaded);
    QCOMPARE(settings.mac, kMac);
    QCOMPARE(settings.fixedIp, QString::fromLatin1(ip));
    QVERIFY(settings.save());
    QCOMPARE(dir.read(QStringLiteral("settings.dat")),
             wideShort(kMac) + wide(QString::fromLatin1(ip), QByteArray("\xFF\x2C\x01", 3)));

    const QByteArray gbk = toGbk(QStringLiteral("网卡"));
    Archive in(QByteArray(1, char(gbk.size())) + gbk);
    QString text;
    QVERIFY(in.readString(text));
    QCOMPARE(text, QStringLiteral("网卡"));
}

void TestSettingsFile::cutFileKeepsWhatWasRead_data() {
    QTest::addColumn<int>("cut"); // bytes of the second string left in the file
    const int second = int(wideShort(QStringLiteral("10.0.0.5")).size());
    for (int cut : {0, 1, 3, 4, 5, second - 1})
        QTest::newRow(qPrintable(QStringLiteral("%1 of %2 bytes").arg(cut).arg(second))) << cut;
}

void TestSettingsFile::cutFileKeepsWhatWasRead() {
    QFETCH(int, cut);
    TempWorkDir dir;
    dir.write(QStringLiteral("settings.dat"),
              wideShort(kMac) + wideShort(QStringLiteral("10.0.0.5")).left(cut));
    NetworkChoice settings;
    settings.fixedIp = QStringLiteral("earlier");
    const NetworkChoice::Load result = settings.load();
    QCOMPARE(result, NetworkChoice::Load::Unreadable);
    QCOMPARE(netcfgtexts::loadMessage(result), QStringLiteral("读取配置失败"));
    QCOMPARE(settings.mac, kMac);
    QCOMPARE(settings.fixedIp, QStringLiteral("earlier"));
}

void TestSettingsFile::badLengthsAreErrors_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("64-bit length above 2^31-1") << QByteArray(
        "\xFF\xFE\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\x00\x00\x00\x80\x00\x00\x00\x00", 18);
    QTest::newRow("32-bit length, few bytes")
        << QByteArray("\xFF\xFE\xFF\xFF\xFF\xFF\x00\x00\x00\x40"
                      "abcd",
                      14);
    QTest::newRow("narrow 16-bit length, few bytes") << QByteArray("\xFF\x10\x00"
                                                                   "abc",
                                                                   6);
    QTest::newRow("marker only") << QByteArray("\xFF\xFE\xFF", 3);
}

void TestSettingsFile::badLengthsAreErrors() {
    QFETCH(QByteArray, bytes);
    Archive in(bytes);
    QString text = QStringLiteral("kept");
    QVERIFY(!in.readString(text));
    QCOMPARE(text, QStringLiteral("kept"));
}

void TestSettingsFile::missingFile() {
    TempWorkDir dir;
    NetworkChoice settings;
    settings.mac = QStringLiteral("kept");
    const NetworkChoice::Load result = settings.load();
    QCOMPARE(result, NetworkChoice::Load::Missing);
    QCOMPARE(netcfgtexts::loadMessage(result), QStringLiteral("找不到配置文件"));
    QCOMPARE(settings.mac, QStringLiteral("kept"));
}

void TestSettingsFile::failedSaveKeepsOldFile() {
    TempWorkDir dir;
    NetworkChoice settings;
    settings.mac = kMac;
    settings.fixedIp = QStringLiteral("127.0.0.1");

    // A folder where the file should be.
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("settings.dat/inside")));
    QVERIFY(!settings.save());
    QVERIFY(QFileInfo::exists(dir.file(QStringLiteral("settings.dat/inside"))));

#ifdef Q_OS_UNIX
    // A write that fails part-way (here: a file size limit) must not touch the old file.
    TempWorkDir second;
    const QByteArray old = wideShort(QStringLiteral("AA-BB")) + wideShort(QString());
    second.write(QStringLiteral("settings.dat"), old);
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 10;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved42 = settings.save();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    QVERIFY(!saved42);
    QCOMPARE(second.read(QStringLiteral("settings.dat")), old);
    QCOMPARE(QDir(second.path()).entryList(QDir::Files),
             QStringList{QStringLiteral("settings.dat")});
#endif
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "test_settingsfile.moc"
