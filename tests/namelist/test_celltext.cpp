#include <QtTest>

#include "sheets/celltext.h"
#include "sheets/dateformat.h"
#include "namelist/plateid.h"

using namespace delvora;
using namespace Qt::StringLiterals;

class TestCellText : public QObject {
    Q_OBJECT
private slots:
    void plateId_data();
    void plateId();
    void numberText_data();
    void numberText();
    void dateText_data();
    void dateText();
    void otherValues();
    void dateFormat_data();
    void dateFormat();
};

void TestCellText::plateId_data() {
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("id");
    QTest::newRow("whole number") << u"12"_s << u"12"_s;
    QTest::newRow("decimal point") << u"12.0"_s << u"12"_s;
    QTest::newRow("leading blanks and zeros") << u" 0012"_s << u"12"_s;
    QTest::newRow("tab and ideographic space") << u"\t\u300042"_s << u"42"_s;
    QTest::newRow("letter first") << u"A7"_s << u"0"_s;
    QTest::newRow("empty") << QString() << u"0"_s;
    QTest::newRow("negative") << u"-5"_s << u"-5"_s;
    QTest::newRow("plus sign") << u"+8"_s << u"8"_s;
    QTest::newRow("negative zeros") << u"-0007"_s << u"-7"_s;
    QTest::newRow("sign alone") << u"-"_s << u"0"_s;
    QTest::newRow("digits then text") << u"12abc"_s << u"12"_s;
    QTest::newRow("blank between sign and digits") << u"- 5"_s << u"0"_s;
    QTest::newRow("exponent form") << u"1E+20"_s << u"1"_s;
    QTest::newRow("beyond 32 bits") << u"99999999999"_s << u"2147483647"_s;
    QTest::newRow("below 32 bits") << u"-99999999999"_s << u"-2147483648"_s;
    QTest::newRow("full-width digits are not digits") << u"１２"_s << u"0"_s;
}

void TestCellText::plateId() {
    QFETCH(QString, cell);
    QFETCH(QString, id);
    QCOMPARE(plateIdText(cell), id);
}

void TestCellText::numberText_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 12.0 << u"12"_s;
    QTest::newRow("negative whole") << -5.0 << u"-5"_s;
    QTest::newRow("zero") << 0.0 << u"0"_s;
    QTest::newRow("negative zero") << -0.0 << u"0"_s;
    QTest::newRow("half") << 3.5 << u"3.5"_s;
    QTest::newRow("shortest form of 0.1") << 0.1 << u"0.1"_s;
    QTest::newRow("sum that is not 0.3") << 0.1 + 0.2 << u"0.30000000000000004"_s;
    QTest::newRow("small") << 0.000125 << u"0.000125"_s;
    QTest::newRow("tiny") << 1.5e-9 << u"1.5E-09"_s;
    QTest::newRow("large whole") << 99999999999.0 << u"99999999999"_s;
    QTest::newRow("huge") << 1.5e20 << u"1.5E+20"_s;
    QTest::newRow("fraction above a thousand") << 12345.678 << u"12345.678"_s;
    QTest::newRow("negative fraction") << -2.5 << u"-2.5"_s;
    QTest::newRow("infinite") << qInf() << u"#NUM!"_s;
}

void TestCellText::numberText() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(delvora::numberText(value), text);
    QCOMPARE(cellText(CellValue::ofNumber(value, false), false), text);
}

void TestCellText::dateText_data() {
    QTest::addColumn<double>("serial");
    QTest::addColumn<bool>("dates1904");
    QTest::addColumn<QString>("text");
    QTest::newRow("date") << 45356.0 << false << u"2024-03-05"_s;
    QTest::newRow("date and time") << 36525.99930555555 << false << u"1999-12-31 23:59:00"_s;
    QTest::newRow("time only") << 0.5732638888888889 << false << u"13:45:30"_s;
    QTest::newRow("rounds up to midnight") << 45356.999999999 << false << u"2024-03-06"_s;
    QTest::newRow("first day") << 1.0 << false << u"1900-01-01"_s;
    QTest::newRow("the day that never was") << 60.0 << false << u"1900-02-29"_s;
    QTest::newRow("after it") << 61.0 << false << u"1900-03-01"_s;
    QTest::newRow("1904 system") << 43894.0 << true << u"2024-03-05"_s;
    QTest::newRow("1904 first day") << 0.0 << true << u"00:00:00"_s;
    QTest::newRow("negative is no date") << -1.0 << false << QString();
    QTest::newRow("after 9999 is no date") << 3e6 << false << QString();
}

void TestCellText::dateText() {
    QFETCH(double, serial);
    QFETCH(bool, dates1904);
    QFETCH(QString, text);
    QCOMPARE(delvora::dateText(serial, dates1904), text);
    // A date cell that is no date shows its number.
    QCOMPARE(cellText(CellValue::ofNumber(serial, true), dates1904),
             text.isEmpty() ? delvora::numberText(serial) : text);
}

void TestCellText::otherValues() {
    using T = CellValue::Type;
    QCOMPARE(cellText({}, false), QString());
    QCOMPARE(cellText(CellValue::ofText(u" 0012 "_s), false), u" 0012 "_s);
    QCOMPARE(cellText({T::Boolean, 1, {}}, false), u"TRUE"_s);
    QCOMPARE(cellText({T::Boolean, 0, {}}, false), u"FALSE"_s);
    QCOMPARE(cellText({T::Error, 7, {}}, false), u"#DIV/0!"_s);
    QCOMPARE(cellText({T::Error, 42, {}}, false), u"#N/A"_s);
}

void TestCellText::dateFormat_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("format");
    QTest::addColumn<bool>("isDate");
    QTest::newRow("built-in date") << 14 << QString() << true;
    QTest::newRow("built-in time") << 21 << QString() << true;
    QTest::newRow("built-in Chinese date") << 31 << QString() << true;
    QTest::newRow("built-in number") << 2 << QString() << false;
    QTest::newRow("built-in text") << 49 << QString() << false;
    QTest::newRow("general") << 164 << u"General"_s << false;
    QTest::newRow("iso date") << 164 << u"yyyy-mm-dd"_s << true;
    QTest::newRow("Chinese date") << 164 << u"yyyy\"年\"m\"月\"d\"日\""_s << true;
    QTest::newRow("elapsed hours") << 164 << u"[h]:mm:ss"_s << true;
    QTest::newRow("locale prefix") << 164 << u"[$-804]yyyy/m/d"_s << true;
    QTest::newRow("colour and decimals") << 164 << u"[Red]0.00"_s << false;
    QTest::newRow("quoted letters") << 164 << u"0 \"days\""_s << false;
    QTest::newRow("escaped letter") << 164 << u"\\d0"_s << false;
    QTest::newRow("exponent") << 164 << u"0.00E+00"_s << false;
    QTest::newRow("padding after underscore") << 164 << u"#,##0_);[Red](#,##0)"_s << false;
    QTest::newRow("unit letters among digits") << 164 << u"#,##0.00 DM"_s << false;
    QTest::newRow("text") << 164 << u"@"_s << false;
}

void TestCellText::dateFormat() {
    QFETCH(int, code);
    QFETCH(QString, format);
    QFETCH(bool, isDate);
    QCOMPARE(isDateFormat(code, format), isDate);
}

QTEST_APPLESS_MAIN(TestCellText)
#include "test_celltext.moc"
