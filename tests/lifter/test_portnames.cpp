#include <QtTest>

#include "lifter/portnames.h"

using namespace delvora;

class TestPortNames : public QObject {
    Q_OBJECT
private slots:
    void comPortNumber_data();
    void comPortNumber();
    void comDeviceName_data();
    void comDeviceName();
};

void TestPortNames::comPortNumber_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("number");
    QTest::newRow("COM3") << QStringLiteral("COM3") << 3;
    QTest::newRow("COM10") << QStringLiteral("COM10") << 10;
    QTest::newRow("COM256") << QStringLiteral("COM256") << 256;
    QTest::newRow("trailing text") << QStringLiteral("COM7A") << 7;
    QTest::newRow("no number") << QStringLiteral("COM") << 0;
    QTest::newRow("other device") << QStringLiteral("LPT1") << 0;
    QTest::newRow("lower case") << QStringLiteral("com3") << 0;
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("too large") << QStringLiteral("COM99999999999") << 0;
}

void TestPortNames::comPortNumber() {
    QFETCH(QString, name);
    QFETCH(int, number);
    QCOMPARE(delvora::comPortNumber(name), number);
}

void TestPortNames::comDeviceName_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("device");
    QTest::newRow("below 10") << 3 << QStringLiteral(R"(\\.\COM3)");
    QTest::newRow("10 and above") << 10 << QStringLiteral(R"(\\.\COM10)");
    QTest::newRow("no number") << 0 << QStringLiteral(R"(\\.\COM0)");
}

void TestPortNames::comDeviceName() {
    QFETCH(int, number);
    QFETCH(QString, device);
    QCOMPARE(delvora::comDeviceName(number), device);
}

QTEST_GUILESS_MAIN(TestPortNames)
#include "test_portnames.moc"
