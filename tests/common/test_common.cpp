#include <QtTest>

#include "common/gbk.h"
#include "common/integertext.h"

using namespace delvora;

class TestCommon : public QObject {
    Q_OBJECT
private slots:
    void dialogInt_data();
    void dialogInt();
    void gbk_data();
    void gbk();
};

void TestCommon::dialogInt_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value"); // -12345 stands for "no value"
    QTest::newRow("plain") << "42" << 42;
    QTest::newRow("blanks, sign, trailing") << "  -12a" << -12;
    QTest::newRow("plus") << "+7" << 7;
    QTest::newRow("empty") << "" << -12345;
    QTest::newRow("lone minus") << "-" << -12345;
    QTest::newRow("letter first") << "a1" << -12345;
    QTest::newRow("too large") << "99999999999" << 2147483647;
    QTest::newRow("too small") << "-99999999999" << int(-2147483647 - 1);
}

void TestCommon::dialogInt() {
    QFETCH(QString, text);
    QFETCH(int, value);
    const std::optional<int> got = parseDialogInt(text);
    if (value == -12345) {
        QCOMPARE(got, std::nullopt);
        QCOMPARE(parseIntOrZero(text), 0);
    } else {
        QCOMPARE(got, value);
    }
}

void TestCommon::gbk_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ascii") << "ID:12" << QByteArray("ID:12");
    QTest::newRow("chinese") << "更新过程出错"
                             << QByteArray("\xB8\xFC\xD0\xC2\xB9\xFD\xB3\xCC\xB3\xF6\xB4\xED");
    QTest::newRow("not in gbk") << QString::fromUtf16(u"a\U0001F600b") << QByteArray("a?b");
}

void TestCommon::gbk() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(toGbk(text), bytes);
    if (!bytes.contains('?'))
        QCOMPARE(fromGbk(bytes), text);
}

QTEST_GUILESS_MAIN(TestCommon)
#include "test_common.moc"
