#include <QtTest>

#include "layout/profile.h"
#include "support/tempworkdir.h"

using namespace delvora;
using delvora::test::TempWorkDir;

class TestProfile : public QObject {
    Q_OBJECT
private slots:
    void readInt_data();
    void readInt();
    void writeKeepsOtherLines();
    void writeAddsSectionAndKeys();
    void failedWriteKeepsFile();
};

void TestProfile::readInt_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("expected");
    QTest::newRow("plain") << QByteArray("[Row0]\ncolor_r=300\n") << 300;
    QTest::newRow("negative") << QByteArray("[Row0]\ncolor_r=-1\n") << -1;
    QTest::newRow("trailing text") << QByteArray("[Row0]\ncolor_r=12abc\n") << 12;
    QTest::newRow("no number") << QByteArray("[Row0]\ncolor_r=abc\n") << 0;
    QTest::newRow("empty value") << QByteArray("[Row0]\ncolor_r=\n") << 77;
    QTest::newRow("missing key") << QByteArray("[Row0]\ncolor_g=5\n") << 77;
    QTest::newRow("other section") << QByteArray("[Row1]\ncolor_r=5\n") << 77;
    QTest::newRow("crlf") << QByteArray("[Row0]\r\ncolor_r=42\r\n") << 42;
    QTest::newRow("case and blanks") << QByteArray(" [ROW0] \r\n  COLOR_R =  +9 \r\n") << 9;
    QTest::newRow("no final newline") << QByteArray("[Row0]\ncolor_r=8") << 8;
    QTest::newRow("second section wins not") << QByteArray("[Row0]\n[Row2]\ncolor_r=3\n") << 77;
}

void TestProfile::readInt() {
    QFETCH(QByteArray, file);
    QFETCH(int, expected);
    TempWorkDir dir;
    dir.write(QStringLiteral("p.ini"), file);
    QCOMPARE(Profile::readInt(QStringLiteral("p.ini"), QStringLiteral("Row0"),
                              QStringLiteral("color_r"), 77),
             expected);
}

void TestProfile::writeKeepsOtherLines() {
    TempWorkDir dir;
    const QByteArray before = "; comment\r\n[Row0]\r\ncolor_r=1\r\nodd line\r\ncolor_b=3\r\n"
                              "\r\n[Other]\r\nx=y\r\n";
    dir.write(QStringLiteral("p.ini"), before);
    QVERIFY(Profile::writeStrings(QStringLiteral("p.ini"), QStringLiteral("row0"),
                                  {{QStringLiteral("COLOR_R"), QStringLiteral("9")},
                                   {QStringLiteral("color_g"), QStringLiteral("8")}}));
    QCOMPARE(dir.read(QStringLiteral("p.ini")),
             QByteArray("; comment\r\n[Row0]\r\nCOLOR_R=9\r\nodd line\r\ncolor_b=3\r\n"
                        "color_g=8\r\n\r\n[Other]\r\nx=y\r\n"));
}

void TestProfile::writeAddsSectionAndKeys() {
    TempWorkDir dir;
    QVERIFY(Profile::writeStrings(QStringLiteral("new.ini"), QStringLiteral("Resolution"),
                                  {{QStringLiteral("H"), QStringLiteral("800")},
                                   {QStringLiteral("V"), QStringLiteral("480")}}));
    QCOMPARE(dir.read(QStringLiteral("new.ini")), QByteArray("[Resolution]\r\nH=800\r\nV=480\r\n"));
    // LF files stay LF, and a last line without a line end gets one before new lines.
    dir.write(QStringLiteral("lf.ini"), "[A]\nk=1");
    QVERIFY(Profile::writeStrings(QStringLiteral("lf.ini"), QStringLiteral("B"),
                                  {{QStringLiteral("k"), QStringLiteral("2")}}));
    QCOMPARE(dir.read(QStringLiteral("lf.ini")), QByteArray("[A]\nk=1\n[B]\nk=2\n"));
}

void TestProfile::failedWriteKeepsFile() {
    TempWorkDir dir;
    // A folder in the way of the file: the write cannot succeed.
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("blocked.ini")));
    QVERIFY(!Profile::writeStrings(QStringLiteral("blocked.ini"), QStringLiteral("A"),
                                   {{QStringLiteral("k"), QStringLiteral("1")}}));
    // A missing parent folder: nothing written, nothing created.
    QVERIFY(!Profile::writeStrings(QStringLiteral("nope/p.ini"), QStringLiteral("A"),
                                   {{QStringLiteral("k"), QStringLiteral("1")}}));
    QVERIFY(!QFile::exists(QStringLiteral("nope/p.ini")));
}

QTEST_GUILESS_MAIN(TestProfile)
#include "test_profile.moc"
