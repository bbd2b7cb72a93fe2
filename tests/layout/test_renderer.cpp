#include <QFontMetricsF>
#include <QPainter>
#include <QThread>
#include <QtTest>
#include <climits>
#include <cmath>
#include <functional>
#include <memory>

#include "layout/jpegencoder.h"
#include "layout/logfont.h"
#include "layout/platecanvas.h"
#include "layout/platepreview.h"
#include "layout/renderer.h"
#include "support/jpegcheck.h"
#include "support/tempworkdir.h"

using namespace delvora;
using namespace delvora::test;

namespace {

// Bounds of the pixels of one colour in a picture.
QRect inkBounds(const QImage &image, const QColor &ink) {
    QRect r;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (near(image.pixelColor(x, y), ink, 60))
                r = r.united(QRect(x, y, 1, 1));
    return r;
}

PlateLayout blackOnWhite() {
    PlateLayout layout;
    for (RowStyle &row : layout.rows) {
        row.font.setPixelSize(60);
        row.color = QColor(0, 0, 0);
    }
    return layout;
}

QImage white(int w = 1024, int h = 600) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

} // namespace

class TestRenderer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutes(); }
    void layoutRect_data();
    void layoutRect();
    void placement_data();
    void placement();
    void emptyRowHasNoBox();
    void wrappingKeepsSingleLineBox();
    void rowsDrawnInTheirColour();
    void largeTextIsDrawn_data();
    void largeTextIsDrawn();
    void longTextIsCut();
    void savedPictureHasCanvasSize_data();
    void savedPictureHasCanvasSize();
    void missingTemplateStillDraws();
    void fontConversion();
    void damagedFontRecords_data();
    void damagedFontRecords();
    void previewGeometry();
    void sameOnEveryThread();
};

void TestRenderer::layoutRect_data() {
    QTest::addColumn<int>("alignH");
    QTest::addColumn<int>("alignV");
    QTest::addColumn<QRectF>("expected");
    // Indents: left 100, top 10, right 30, bottom 20.
    QTest::newRow("left top") << 0 << 0 << QRectF(100, 10, 1024, 600);
    QTest::newRow("centre") << 1 << 1 << QRectF(100, 10, 1024, 600);
    QTest::newRow("right bottom") << 2 << 2 << QRectF(0, 0, 994, 580);
    QTest::newRow("other values") << 7 << -1 << QRectF(0, 0, 1024, 600);
}

void TestRenderer::layoutRect() {
    QFETCH(int, alignH);
    QFETCH(int, alignV);
    QFETCH(QRectF, expected);
    RowStyle row;
    row.alignH = alignH;
    row.alignV = alignV;
    row.indentLeft = 100;
    row.indentTop = 10;
    row.indentRight = 30;
    row.indentBottom = 20;
    QCOMPARE(rowLayoutRect(row, 1024, 600), expected);
}

void TestRenderer::placement_data() {
    QTest::addColumn<int>("alignH");
    QTest::addColumn<int>("alignV");
    QTest::addColumn<int>("indentL");
    QTest::addColumn<int>("indentR");
    QTest::addColumn<int>("indentB");
    QTest::addColumn<QString>("check");
    QTest::newRow("centred, left 100, right ignored") << 1 << 1 << 100 << 55 << 0 << "centreX=612";
    QTest::newRow("right, right 30, left ignored") << 2 << 1 << 77 << 30 << 0 << "right=994";
    QTest::newRow("bottom, bottom 20") << 1 << 2 << 0 << 0 << 20 << "bottom=580";
}

void TestRenderer::placement() {
    QFETCH(int, alignH);
    QFETCH(int, alignV);
    QFETCH(int, indentL);
    QFETCH(int, indentR);
    QFETCH(int, indentB);
    QFETCH(QString, check);
    PlateLayout layout = blackOnWhite();
    RowStyle &row = layout.rows[1];
    const QString name = QStringLiteral("张伟 Zhang");
    row.alignH = alignH;
    row.alignV = alignV;
    row.indentLeft = indentL;
    row.indentRight = indentR;
    row.indentBottom = indentB;
    const QImage picture = renderPlate(layout, white(), {{}, name, {}});
    const QRectF box = rowTextBox(row, name, 1024, 600);
    const QRect ink = inkBounds(picture, Qt::black);
    QVERIFY(box.width() > 100);
    QVERIFY(!ink.isEmpty());
    const auto [what, value] = std::pair(check.section(u'=', 0, 0), check.section(u'=', 1).toInt());
    if (what == QStringLiteral("centreX")) {
        QCOMPARE(box.center().x(), qreal(value));
        QVERIFY2(std::abs((ink.left() + ink.right() + 1) / 2.0 - value) <= 3, "ink not centred");
    } else if (what == QStringLiteral("right")) {
        QCOMPARE(box.right(), qreal(value));
        QVERIFY(ink.right() < value);
        QVERIFY(ink.right() > value - 12);
    } else {
        QCOMPARE(box.bottom(), qreal(value));
        QVERIFY(ink.bottom() < value);
        QVERIFY(ink.bottom() > value - 30);
    }
}

void TestRenderer::emptyRowHasNoBox() {
    const PlateLayout layout = blackOnWhite();
    PlatePreview preview;
    preview.setTexts({QStringLiteral("单位"), {}, {}});
    preview.render(layout, white());
    QCOMPARE(preview.rowBoxes().at(1).width(), 0.0);
    QVERIFY(preview.rowBoxes().at(0).width() > 0);
    // Without a background nothing is drawn, and nothing can be grabbed.
    preview.render(layout, QImage());
    QVERIFY(preview.picture().isNull());
    QCOMPARE(preview.rowBoxes().at(0), QRectF());
}

void TestRenderer::wrappingKeepsSingleLineBox() {
    PlateLayout layout = blackOnWhite();
    RowStyle &row = layout.rows[0];
    const QString text = QStringLiteral("中华人民共和国国家发展和改革委员会信息中心数据处理部门");
    row.alignV = 0;
    const QImage picture = renderPlate(layout, white(), {text, {}, {}});
    const QRectF box = rowTextBox(row, text, 1024, 600);
    QVERIFY(box.width() > 1024); // one unwrapped line
    const QRect ink = inkBounds(picture, Qt::black);
    QVERIFY(ink.width() <= 1024);
    QVERIFY2(ink.height() > int(box.height() * 1.5), "text did not wrap");
}

void TestRenderer::rowsDrawnInTheirColour() {
    PlateLayout layout;
    const QColor colours[3] = {QColor(0, 0, 255), QColor(0, 255, 0), QColor(255, 255, 255)};
    for (int i = 0; i < 3; ++i) {
        RowStyle &row = layout.rows[size_t(i)];
        row.font.setPixelSize(50);
        row.color = QColor(colours[i].red(), colours[i].green(), colours[i].blue());
        row.indentTop = (i - 1) * 150;
    }
    const QString squares = QStringLiteral("■■■");
    QImage red(1024, 600, QImage::Format_RGB32);
    red.fill(QColor(255, 0, 0));
    const QImage picture = renderPlate(layout, red, {squares, squares, squares});
    for (int i = 0; i < 3; ++i) {
        const QRect band = rowTextBox(layout.rows[size_t(i)], squares, 1024, 600).toRect();
        QVERIFY2(countNear(picture, band, colours[i], 10) > 200, qPrintable(QString::number(i)));
    }
    QVERIFY(near(picture.pixelColor(5, 5), QColor(255, 0, 0), 0));
}

void TestRenderer::largeTextIsDrawn_data() {
    QTest::addColumn<int>("pixels");
    for (int px : {40, 64, 65, 120, 256, 300})
        QTest::newRow(qPrintable(QString::number(px))) << px;
}

// Name rows are large; every size must reach the picture (glyph caching above 64 pixels once
// made such rows vanish).
void TestRenderer::largeTextIsDrawn() {
    QFETCH(int, pixels);
    PlateLayout layout = blackOnWhite();
    layout.rows[1].font.setPixelSize(pixels);
    layout.rows[1].font.setWeight(QFont::Bold);
    const QImage picture = renderPlate(layout, white(), {{}, QStringLiteral("王建国"), {}});
    const QRect ink = inkBounds(picture, Qt::black);
    QVERIFY(!ink.isEmpty());
    // Three glyphs of about `pixels` each.
    QVERIFY2(ink.width() > pixels * 2, qPrintable(QString::number(ink.width())));
}

void TestRenderer::longTextIsCut() {
    PlateLayout layout = blackOnWhite();
    layout.rows[0].font.setPixelSize(10);
    const QString cut = QString(255, u'i');
    const QString whole = cut + QString(400, u'W');
    QCOMPARE(rowTextBox(layout.rows[0], whole, 1024, 600),
             rowTextBox(layout.rows[0], cut, 1024, 600));
    QVERIFY(renderPlate(layout, white(), {whole, {}, {}}) ==
            renderPlate(layout, white(), {cut, {}, {}}));
}

void TestRenderer::savedPictureHasCanvasSize_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("quality");
    QTest::newRow("1024, network") << 1024 << 100;
    QTest::newRow("800, usb") << 800 << 97;
}

void TestRenderer::savedPictureHasCanvasSize() {
    QFETCH(int, width);
    QFETCH(int, quality);
    TempWorkDir dir;
    dir.installResource(QStringLiteral("red.jpg"));
    PlateCanvas canvas;
    canvas.m_width = width;
    canvas.m_height = width == 800 ? 480 : 600;
    QVERIFY(canvas.initCanvas(QStringLiteral("./red.jpg"), QColor(0, 0, 200)));
    const QImage picture =
        renderPlate(PlateLayout(), canvas.m_background,
                    {QStringLiteral("单位"), QStringLiteral("名字"), QStringLiteral("职位")});
    QVERIFY(writeJpegFile(encodePlateJpeg(picture, quality), QStringLiteral("./x.jpg")));
    const QImage decoded = decodeJpeg(QStringLiteral("./x.jpg"));
    QCOMPARE(decoded.size(), QSize(canvas.m_width, canvas.m_height));
    QVERIFY(near(decoded.pixelColor(3, 3), QColor(0, 0, 200)));
    // A path that cannot be written reports failure instead of pretending.
    QVERIFY(!writeJpegFile(encodePlateJpeg(picture, quality), QStringLiteral("./no/such/x.jpg")));
}

void TestRenderer::missingTemplateStillDraws() {
    TempWorkDir dir;
    dir.write(QStringLiteral("red.jpg"), "not a picture");
    PlateCanvas canvas;
    QVERIFY(!canvas.initCanvas(QStringLiteral("./red.jpg"), QColor(10, 20, 30)));
    QCOMPARE(canvas.m_background.size(), QSize(1024, 600));
    QCOMPARE(canvas.m_background.pixelColor(0, 0), QColor(10, 20, 30));
    PlateCanvas small;
    small.m_width = 800;
    small.m_height = 480;
    small.initCanvas(QStringLiteral("./missing.jpg"), QColor(1, 2, 3));
    QCOMPARE(small.m_background.size(), QSize(800, 480));
}

void TestRenderer::fontConversion() {
    LogFont lf = defaultLogFont();
    lf.height = -72;
    lf.weight = 700;
    lf.italic = 1;
    lf.underline = 1;
    lf.strikeOut = 1;
    QFont f = logFontToQFont(lf);
    QCOMPARE(f.pixelSize(), 72);
    QCOMPARE(f.weight(), QFont::Bold);
    QVERIFY(f.italic() && f.underline() && f.strikeOut());
    QCOMPARE(f.family(), QStringLiteral("宋体"));
    QVERIFY(QFontInfo(f).family().contains(QStringLiteral("CJK")));
    // The way back gives the negative pixel height, as the Windows dialog reports it.
    const LogFont back = qFontToLogFont(f);
    QCOMPARE(back.height, -72);
    QCOMPARE(back.weight, 700);
    QCOMPARE(back.faceName(), QStringLiteral("宋体"));
    // A positive height is the cell: the em is smaller than it.
    lf.height = 72;
    f = logFontToQFont(lf);
    QVERIFY(f.pixelSize() < 72 && f.pixelSize() > 36);
    // Height 0 is a readable default.
    lf.height = 0;
    QCOMPARE(logFontToQFont(lf).pixelSize(), kDefaultFontPixels);
}

void TestRenderer::damagedFontRecords_data() {
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("pixels");
    // Found by the fontfile fuzzer: a cell height whose scaling overflowed.
    QTest::newRow("huge cell height") << 1174423040 << 1174423040 << kMaxFontPixels;
    QTest::newRow("lowest height") << INT_MIN << 0 << kMaxFontPixels;
    QTest::newRow("very tall") << -100000 << 0 << kMaxFontPixels;
    QTest::newRow("tallest kept") << -kMaxFontPixels << 0 << kMaxFontPixels;
    QTest::newRow("huge width") << -40 << INT_MAX << 40;
}

void TestRenderer::damagedFontRecords() {
    QFETCH(int, height);
    QFETCH(int, width);
    QFETCH(int, pixels);
    LogFont record = defaultLogFont();
    record.height = height;
    record.width = width;
    RowStyle row;
    row.font = logFontToQFont(record);
    QCOMPARE(row.font.pixelSize(), pixels);
    if (width > 0)
        QCOMPARE(row.font.stretch(), 4000);
    // The row still draws and gets a usable box.
    const QString text = QStringLiteral("单位名称");
    QImage picture = white(320, 200);
    QPainter painter(&picture);
    drawRow(row, text, painter, picture.width(), picture.height());
    painter.end();
    const QRectF box = rowTextBox(row, text, picture.width(), picture.height());
    QVERIFY(std::isfinite(box.width()) && std::isfinite(box.height()));
    QVERIFY(box.width() > 0);
}

void TestRenderer::previewGeometry() {
    QCOMPARE(delvora::previewGeometry(1024, 600), QRect(10, 10, 512, 300));
    QCOMPARE(delvora::previewGeometry(800, 480), QRect(66, 40, 400, 240));
}

void TestRenderer::sameOnEveryThread() {
    // A thread that has drawn and measured other entries draws an entry exactly as a new
    // thread does. Names that share "代表1" once moved the whole name by a fraction of a pixel.
    PlateLayout layout;
    const int heights[3] = {56, 120, 56};
    for (int i = 0; i < 3; ++i) {
        layout.rows[size_t(i)].font.setPixelSize(heights[i]);
        layout.rows[size_t(i)].font.setWeight(QFont::Bold);
    }
    layout.rows[0].indentTop = -170;
    layout.rows[2].indentTop = 170;
    const QImage background = white();
    const auto draw = [&](const QString &organisation, const QString &name) {
        return renderPlate(layout, background, {organisation, name, QStringLiteral("副主任")});
    };
    const auto onNewThread = [](const std::function<QImage()> &work) {
        QImage picture;
        std::unique_ptr<QThread> thread(QThread::create([&] { picture = work(); }));
        thread->start();
        thread->wait();
        return picture;
    };
    const QImage alone =
        onNewThread([&] { return draw(QStringLiteral("第2轮"), QStringLiteral("代表1")); });
    const QImage afterOthers = onNewThread([&] {
        for (int i = 10; i <= 19; ++i)
            draw(QStringLiteral("第1轮"), QStringLiteral("代表%1").arg(i));
        QFontMetricsF(rowFont(layout.rows[1], QStringLiteral("代表1"), 1024, 600))
            .horizontalAdvance(QStringLiteral("代表1"));
        return draw(QStringLiteral("第2轮"), QStringLiteral("代表1"));
    });
    QVERIFY(alone == afterOthers);
    QVERIFY(draw(QStringLiteral("第2轮"), QStringLiteral("代表1")) == alone);
}

QTEST_MAIN(TestRenderer)
#include "test_renderer.moc"
