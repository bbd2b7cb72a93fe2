#include <QtTest>

#include "layout/layoutfiles.h"
#include "layout/platelayout.h"
#include "support/tempworkdir.h"

using namespace delvora;
using delvora::test::TempWorkDir;

class TestLayoutFiles : public QObject {
    Q_OBJECT
private slots:
    void defaultsWithoutFiles();
    void coloursKeepLowByte();
    void negativeIndentsRoundTrip();
    void fontRecordLayout();
    void writeRowTwoIntoEmptyFile();
    void shortFontFileGivesDefault();
    void fontFileNeverCreated();
};

void TestLayoutFiles::defaultsWithoutFiles() {
    TempWorkDir dir;
    QSize size;
    const PlateLayout layout = readLayout(size);
    QCOMPARE(size, QSize(1024, 600));
    QCOMPARE(layout.backColor, QColor(255, 0, 0));
    for (const RowStyle &row : layout.rows) {
        QCOMPARE(row.color, QColor(255, 255, 0));
        QCOMPARE(row.alignH, 1);
        QCOMPARE(row.alignV, 1);
        QCOMPARE(row.indentLeft + row.indentTop + row.indentRight + row.indentBottom, 0);
        QCOMPARE(row.font, logFontToQFont(defaultLogFont()));
        QCOMPARE(row.font.family(), QStringLiteral("宋体"));
    }
    QVERIFY(!QFile::exists(QStringLiteral("Settings.ini")));
}

void TestLayoutFiles::coloursKeepLowByte() {
    TempWorkDir dir;
    dir.write(QStringLiteral("Settings.ini"),
              "[Row1]\r\ncolor_r=300\r\ncolor_g=-1\r\ncolor_b=12abc\r\n"
              "[BackColor]\r\nbackColor_r=abc\r\nbackColor_g=\r\n");
    QCOMPARE(readRowColor(1), QColor(44, 255, 12));
    // "abc" reads 0, an empty value gives the default (0 for green), blue is missing (0).
    QCOMPARE(readBackColor(), QColor(0, 0, 0));
    writeRowColor(QColor(1, 2, 3), 1);
    QCOMPARE(readRowColor(1), QColor(1, 2, 3));
    QVERIFY(dir.read(QStringLiteral("Settings.ini"))
                .contains("color_r=1\r\ncolor_g=2\r\ncolor_b=3\r\n"));
}

void TestLayoutFiles::negativeIndentsRoundTrip() {
    TempWorkDir dir;
    writeRowIndents(-20, 5, -7, 0, 2);
    QVERIFY(dir.read(QStringLiteral("Settings.ini")).contains("indent_l=-20"));
    int l, t, r, b;
    readRowIndents(2, l, t, r, b);
    QCOMPARE(QList<int>({l, t, r, b}), QList<int>({-20, 5, -7, 0}));
    writeRowAlign(2, 0, 2);
    int ah, av;
    readRowAlign(2, ah, av);
    QCOMPARE(ah, 2);
    QCOMPARE(av, 0);
    writeResolution(800, 480);
    QCOMPARE(readResolution(), QSize(800, 480));
}

void TestLayoutFiles::fontRecordLayout() {
    // A hand-made 276-byte file: row 1 holds -48, weight 700, italic, underline, 黑体.
    QByteArray file(276, '\0');
    QByteArray rec(92, '\0');
    const char head[] = {'\xD0', '\xFF', '\xFF', '\xFF', 0x05, 0, 0,      0,    0x10, 0x0E,
                         0,      0,      0x20,   0x03,   0,    0, '\xBC', 0x02, 0,    0,
                         1,      1,      0,      '\x86', 3,    2, 1,      0x31};
    rec.replace(0, 28, QByteArray(head, 28));
    rec.replace(28, 4, QByteArray("\xD1\x9E\x53\x4F", 4)); // 黑体 in UTF-16LE
    file.replace(92, 92, rec);
    TempWorkDir dir;
    dir.write(QStringLiteral("fontSetting.dat"), file);
    LogFont lf;
    QVERIFY(readRowFont(1, lf));
    QCOMPARE(lf.height, -48);
    QCOMPARE(lf.width, 5);
    QCOMPARE(lf.escapement, 3600);
    QCOMPARE(lf.orientation, 800);
    QCOMPARE(lf.weight, 700);
    QCOMPARE(lf.italic, 1);
    QCOMPARE(lf.underline, 1);
    QCOMPARE(lf.strikeOut, 0);
    QCOMPARE(lf.charSet, 0x86);
    QCOMPARE(lf.pitchAndFamily, 0x31);
    QCOMPARE(lf.faceName(), QStringLiteral("黑体"));
    // And it writes back to the same bytes.
    QCOMPARE(lf.toBytes(), rec);
    QVERIFY(readRowFont(0, lf));
    QCOMPARE(lf.faceName(), QString());
}

void TestLayoutFiles::writeRowTwoIntoEmptyFile() {
    TempWorkDir dir;
    dir.write(QStringLiteral("fontSetting.dat"), QByteArray());
    LogFont lf = defaultLogFont();
    lf.height = -60;
    QVERIFY(writeRowFont(2, lf));
    const QByteArray data = dir.read(QStringLiteral("fontSetting.dat"));
    QCOMPARE(data.size(), 276);
    QCOMPARE(data.left(184), QByteArray(184, '\0'));
    QCOMPARE(data.mid(184), lf.toBytes());
    // On the next start rows 0 and 1 get an all-zero record with an empty face name.
    QSize size;
    const PlateLayout layout = readLayout(size);
    QCOMPARE(layout.rows[0].font, logFontToQFont(LogFont()));
    QCOMPARE(layout.rows[2].font, logFontToQFont(lf));
}

void TestLayoutFiles::shortFontFileGivesDefault() {
    TempWorkDir dir;
    LogFont row0;
    row0.height = -30;
    row0.setFaceName(QStringLiteral("Arial"));
    // Row 0 whole, row 1 cut short after 40 bytes, row 2 missing.
    dir.write(QStringLiteral("fontSetting.dat"), row0.toBytes() + QByteArray(40, '\x11'));
    QSize size;
    const PlateLayout layout = readLayout(size);
    QCOMPARE(layout.rows[0].font, logFontToQFont(row0));
    QCOMPARE(layout.rows[1].font, logFontToQFont(defaultLogFont()));
    QCOMPARE(layout.rows[2].font, logFontToQFont(defaultLogFont()));
}

void TestLayoutFiles::fontFileNeverCreated() {
    TempWorkDir dir;
    QVERIFY(!writeRowFont(0, defaultLogFont()));
    QVERIFY(!QFile::exists(QStringLiteral("fontSetting.dat")));
}

QTEST_GUILESS_MAIN(TestLayoutFiles)
#include "test_layoutfiles.moc"
