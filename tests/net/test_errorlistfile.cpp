#include <QDir>
#include <QtTest>
#include <climits>

#include "net/errorlistfile.h"
#include "support/tempworkdir.h"

using namespace delvora;
using delvora::test::TempWorkDir;

// "dispError.txt": its lines byte for byte, and the file written through line by line.
class TestErrorListFile : public QObject {
    Q_OBJECT
private slots:
    void plateIdNumber_data();
    void plateIdNumber();
    void lineBytes_data();
    void lineBytes();
    void linesReachTheDiskAtOnce();
    void createFailsWhereNoFileCanBe();
};

void TestErrorListFile::plateIdNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("number");
    QTest::newRow("plain") << QStringLiteral("17") << 17;
    QTest::newRow("leading blanks") << QStringLiteral(" \t\r\n 42") << 42;
    QTest::newRow("signs") << QStringLiteral("-3") << -3;
    QTest::newRow("plus") << QStringLiteral("+8") << 8;
    QTest::newRow("trailing text") << QStringLiteral("12号") << 12;
    QTest::newRow("no digits") << QStringLiteral("主席") << 0;
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("sign then blank") << QStringLiteral("- 5") << 0;
    QTest::newRow("full-width digits") << QStringLiteral("１２") << 0;
    QTest::newRow("too large") << QStringLiteral("99999999999") << INT_MAX;
    QTest::newRow("too small") << QStringLiteral("-99999999999") << INT_MIN;
    QTest::newRow("lowest int") << QStringLiteral("-2147483648") << INT_MIN;
}

void TestErrorListFile::plateIdNumber() {
    QFETCH(QString, text);
    QFETCH(int, number);
    QCOMPARE(delvora::plateIdNumber(text), number);
}

void TestErrorListFile::lineBytes_data() {
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("reason");
    QTest::addColumn<QByteArray>("line");
    // The reasons in GBK, spelt out here rather than encoded by the program.
    QTest::newRow("not online") << QStringLiteral("5") << int(ErrorListFile::Reason::NotOnline)
                                << QByteArray::fromHex("49443a3509d7c0c5c6b2bbd4dacfdfa3a10d0a");
    QTest::newRow("time-out") << QStringLiteral("1234")
                              << int(ErrorListFile::Reason::ConnectTimeout)
                              << QByteArray::fromHex(
                                     "49443a3132333409d7c0c5c6c1acbdd3b3accab1a3a10d0a");
    QTest::newRow("failed, ID not a number")
        << QStringLiteral("A7") << int(ErrorListFile::Reason::TransferFailed)
        << QByteArray::fromHex("49443a3009b8fcd0c2b9fdb3ccb3f6b4eda3a10d0a");
}

void TestErrorListFile::lineBytes() {
    QFETCH(QString, id);
    QFETCH(int, reason);
    QFETCH(QByteArray, line);
    QCOMPARE(ErrorListFile::line(id, ErrorListFile::Reason(reason)), line);
}

void TestErrorListFile::linesReachTheDiskAtOnce() {
    TempWorkDir dir;
    dir.write(QStringLiteral("dispError.txt"), "an older list\r\n");
    ErrorListFile list;
    QVERIFY(list.create(QStringLiteral("dispError.txt")));
    QCOMPARE(list.path(), dir.file(QStringLiteral("dispError.txt")));
    QCOMPARE(dir.read(QStringLiteral("dispError.txt")), QByteArray());
    QVERIFY(list.append(QStringLiteral("3"), ErrorListFile::Reason::NotOnline));
    // Read while the file is still open: nothing waits in a buffer.
    QCOMPARE(dir.read(QStringLiteral("dispError.txt")),
             ErrorListFile::line(QStringLiteral("3"), ErrorListFile::Reason::NotOnline));
    QVERIFY(list.append(QStringLiteral("4"), ErrorListFile::Reason::ConnectTimeout));
    QCOMPARE(dir.read(QStringLiteral("dispError.txt")),
             ErrorListFile::line(QStringLiteral("3"), ErrorListFile::Reason::NotOnline) +
                 ErrorListFile::line(QStringLiteral("4"), ErrorListFile::Reason::ConnectTimeout));
    list.close();
}

void TestErrorListFile::createFailsWhereNoFileCanBe() {
    TempWorkDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("dispError.txt")));
    ErrorListFile list;
    QVERIFY(!list.create(QStringLiteral("dispError.txt")));
    QVERIFY(!list.create(QStringLiteral("missing/dispError.txt")));
}

QTEST_GUILESS_MAIN(TestErrorListFile)
#include "test_errorlistfile.moc"
