#include <QtTest>

#include "layout/layoutfiles.h"
#include "layout/logfont.h"
#include "layout/overflowcheck.h"
#include "layout/renderer.h"
#include "support/jpegcheck.h"
#include "support/tempworkdir.h"

using namespace delvora;
using namespace delvora::test;

namespace {

const QString kLong = QStringLiteral("中国科学院计算技术研究所北京分所");

QImage white(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// Black ink of one row alone on white; the row's font 100 pixels.
QImage renderRow(int width, int alignH, const QString &text, bool autoFit,
                 RowStyle *out = nullptr) {
    const QSize size = width == 800 ? QSize(800, 480) : QSize(1024, 600);
    PlateLayout layout;
    RowStyle &row = layout.rows[1];
    row.font.setPixelSize(100);
    row.color = QColor(0, 0, 0);
    row.alignH = alignH;
    row.indentLeft = alignH == 0 ? 60 : 0;
    row.indentRight = alignH == 2 ? 60 : 0;
    row.autoFit = autoFit;
    const QImage picture = renderPlate(layout, white(size), {{}, text, {}});
    if (out)
        *out = row;
    return picture;
}

QRect inkBounds(const QImage &image) {
    QRect r;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                r = r.united(QRect(x, y, 1, 1));
    return r;
}

// The part of the row's box that is on the canvas.
QRectF visibleBox(const RowStyle &row, const QImage &picture) {
    return rowLayoutRect(row, picture.width(), picture.height()).intersected(picture.rect());
}

} // namespace

class TestAutoFit : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutes(); }
    void longTextShrinksOntoOneLine_data();
    void longTextShrinksOntoOneLine();
    void shortTextUnchanged_data();
    void shortTextUnchanged();
    void floorThenWrap();
    void settingKey();
    void overflowCheckOnPool();
};

void TestAutoFit::longTextShrinksOntoOneLine_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("alignH");
    for (int width : {1024, 800})
        for (int align : {0, 1, 2})
            QTest::addRow("%d align %d", width, align) << width << align;
}

void TestAutoFit::longTextShrinksOntoOneLine() {
    QFETCH(int, width);
    QFETCH(int, alignH);
    RowStyle row;
    const QImage without = renderRow(width, alignH, kLong, false, &row);
    // Without the option the text wraps or is cut, and is marked.
    QVERIFY(rowOverflows(row, kLong, without.width(), without.height()));
    const QImage with = renderRow(width, alignH, kLong, true, &row);
    QVERIFY(!rowOverflows(row, kLong, with.width(), with.height()));
    const int size = rowFont(row, kLong, with.width(), with.height()).pixelSize();
    QVERIFY2(size < 100 && size >= 40, qPrintable(QString::number(size)));
    // The ink lies inside the box, on one line, and spans most of the box's width (the largest
    // size that fits, not much smaller).
    const QRect ink = inkBounds(with);
    const QRectF box = visibleBox(row, with);
    QVERIFY2(box.contains(QRectF(ink)), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                       .arg(ink.x())
                                                       .arg(ink.y())
                                                       .arg(ink.width())
                                                       .arg(ink.height())));
    QVERIFY(ink.height() < size * 1.3);
    QVERIFY(ink.width() > box.width() * 0.85);
    // The text's box is the one of the size used, placed by the row's alignment.
    const QRectF textBox = rowTextBox(row, kLong, with.width(), with.height());
    QVERIFY(textBox.width() <= box.width() + 0.5);
    if (alignH == 0)
        QCOMPARE(textBox.left(), 60.0);
    if (alignH == 2)
        QCOMPARE(textBox.right(), width - 60.0);
    if (alignH == 1)
        QVERIFY(std::abs(textBox.center().x() - width / 2.0) < 1);
}

void TestAutoFit::shortTextUnchanged_data() {
    longTextShrinksOntoOneLine_data();
}

void TestAutoFit::shortTextUnchanged() {
    QFETCH(int, width);
    QFETCH(int, alignH);
    RowStyle row;
    const QImage with = renderRow(width, alignH, QStringLiteral("张伟"), true, &row);
    QCOMPARE(rowFont(row, QStringLiteral("张伟"), with.width(), with.height()).pixelSize(), 100);
    QCOMPARE(with, renderRow(width, alignH, QStringLiteral("张伟"), false));
    QVERIFY(!rowOverflows(row, QStringLiteral("张伟"), with.width(), with.height()));
}

void TestAutoFit::floorThenWrap() {
    // Too long even at 40 %: drawn at 40 pixels, wrapped onto more lines, and still marked.
    const QString veryLong = kLong + kLong + kLong;
    for (int width : {1024, 800}) {
        RowStyle row;
        const QImage picture = renderRow(width, 1, veryLong, true, &row);
        QCOMPARE(rowFont(row, veryLong, picture.width(), picture.height()).pixelSize(), 40);
        QVERIFY(rowOverflows(row, veryLong, picture.width(), picture.height()));
        const QRect ink = inkBounds(picture);
        QVERIFY2(ink.height() > 2 * 40, qPrintable(QString::number(ink.height())));
        QVERIFY(visibleBox(row, picture).contains(QRectF(ink)));
    }
}

void TestAutoFit::settingKey() {
    TempWorkDir dir;
    // Missing key and file: off.
    QVERIFY(!readRowAutoFit(1));
    const QByteArray before = "[Row1]\r\nalign_h=0\r\n; a comment\r\n\r\n[Row2]\r\ncolor_r=9\r\n";
    dir.write(QStringLiteral("Settings.ini"), before);
    QVERIFY(!readRowAutoFit(1));
    QVERIFY(writeRowAutoFit(true, 1));
    QVERIFY(readRowAutoFit(1));
    QVERIFY(!readRowAutoFit(2));
    const QByteArray after = dir.read(QStringLiteral("Settings.ini"));
    // Only the new line is added; every other byte stays.
    QCOMPARE(QByteArray(after).replace("autofit=1\r\n", ""), before);
    QSize size;
    const PlateLayout layout = readLayout(size);
    QVERIFY(layout.rows[1].autoFit);
    QVERIFY(!layout.rows[0].autoFit);
    QVERIFY(writeRowAutoFit(false, 1));
    QVERIFY(!readRowAutoFit(1));
}

void TestAutoFit::overflowCheckOnPool() {
    PlateLayout layout;
    layout.rows[1].font.setPixelSize(100);
    layout.rows[0].indentTop = -200;
    layout.rows[2].indentTop = 200;
    QList<PlateTexts> texts;
    for (int i = 0; i < 300; ++i)
        texts.append({i % 7 == 0 ? kLong + kLong : QStringLiteral("单位"),
                      i % 5 == 0 ? kLong : QStringLiteral("张伟"), QString()});
    const QList<quint8> expected = checkOverflow(layout, 1024, 600, texts);
    for (int i = 0; i < 300; ++i)
        QCOMPARE(expected.at(i), quint8((i % 7 == 0 ? 1 : 0) | (i % 5 == 0 ? 2 : 0)));
    // A second start drops the first one's result: one answer, the second one's.
    OverflowCheck check;
    QSignalSpy ready(&check, &OverflowCheck::ready);
    check.start(layout, 1024, 600, texts.mid(0, 10));
    check.start(layout, 1024, 600, texts);
    QVERIFY(ready.wait(20000));
    QCOMPARE(ready.count(), 1);
    QCOMPARE(ready.at(0).at(0).value<QList<quint8>>(), expected);
    // Deleted while running: it waits for its workers.
    auto running = std::make_unique<OverflowCheck>();
    running->start(layout, 1024, 600, texts);
    running.reset();
}

QTEST_MAIN(TestAutoFit)
#include "test_autofit.moc"
