#include <QtTest>

#include "layout/profile.h"
#include "printing/printoptions.h"
#include "support/tempworkdir.h"

using namespace delvora;
using namespace delvora::test;

class TestPrintOptions : public QObject {
    Q_OBJECT
private slots:
    void readsWhatIsThere_data();
    void readsWhatIsThere();
    void writesOnlyWhatChanged();
};

void TestPrintOptions::readsWhatIsThere_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("paper");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<qreal>("margin");
    const int a4 = QPageSize::A4, land = QPageLayout::Landscape, port = QPageLayout::Portrait;
    QTest::newRow("no keys") << QByteArray("[Resolution]\r\nH=1024\r\n") << a4 << land << 10.0;
    QTest::newRow("all keys") << QByteArray("[Print]\r\npaper=A5\r\norientation=portrait\r\n"
                                            "margin=7.5\r\n")
                              << int(QPageSize::A5) << port << 7.5;
    QTest::newRow("case and blanks")
        << QByteArray("[print]\r\n Paper = letter \r\nORIENTATION=Portrait\r\n")
        << int(QPageSize::Letter) << port << 10.0;
    QTest::newRow("nonsense") << QByteArray("[Print]\r\npaper=napkin\r\norientation=sideways\r\n"
                                            "margin=-3\r\n")
                              << a4 << land << 10.0;
    QTest::newRow("margin too large")
        << QByteArray("[Print]\r\nmargin=400\r\n") << a4 << land << 10.0;
}

void TestPrintOptions::readsWhatIsThere() {
    QFETCH(QByteArray, file);
    QFETCH(int, paper);
    QFETCH(int, orientation);
    QFETCH(qreal, margin);
    TempWorkDir dir;
    dir.write(QStringLiteral("Settings.ini"), file);
    const PrintOptions options = PrintOptions::read(dir.file(QStringLiteral("Settings.ini")));
    QCOMPARE(int(options.paper), paper);
    QCOMPARE(int(options.orientation), orientation);
    QCOMPARE(options.margin, margin);
}

void TestPrintOptions::writesOnlyWhatChanged() {
    TempWorkDir dir;
    const QString ini = dir.file(QStringLiteral("Settings.ini"));
    const QByteArray original("[BackColor]\r\nR=255\r\n");
    dir.write(QStringLiteral("Settings.ini"), original);

    // The defaults as read: nothing to write, the file stays byte for byte.
    QVERIFY(PrintOptions::read(ini).write(ini));
    QCOMPARE(dir.read(QStringLiteral("Settings.ini")), original);

    PrintOptions changed;
    changed.margin = 15;
    QVERIFY(changed.write(ini));
    QCOMPARE(Profile::readString(ini, QStringLiteral("Print"), QStringLiteral("margin")),
             QStringLiteral("15"));
    QVERIFY(Profile::readString(ini, QStringLiteral("Print"), QStringLiteral("paper")).isNull());
    QVERIFY(
        Profile::readString(ini, QStringLiteral("Print"), QStringLiteral("orientation")).isNull());

    changed.paper = QPageSize::A3;
    changed.orientation = QPageLayout::Portrait;
    QVERIFY(changed.write(ini));
    QCOMPARE(PrintOptions::read(ini), changed);
    QVERIFY(dir.read(QStringLiteral("Settings.ini")).startsWith(original));

    // The page of a device round trips through the paper it names.
    PrintOptions taken;
    taken.takePaper(changed.pageLayout());
    QCOMPARE(taken.paper, QPageSize::A3);
    QCOMPARE(taken.orientation, QPageLayout::Portrait);
}

QTEST_MAIN(TestPrintOptions)
#include "test_printoptions.moc"
