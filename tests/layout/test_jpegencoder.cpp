#include <QtTest>

#include "layout/jpegencoder.h"
#include "layout/logfont.h"
#include "layout/platecanvas.h"
#include "layout/renderer.h"
#include "support/jpegcheck.h"
#include "support/tempworkdir.h"

using namespace delvora;
using namespace delvora::test;

namespace {

// A background with detail in every block and both chroma channels, so that any difference in
// colour conversion or subsampling shows in the decoded pixels.
QImage pictureBackground(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < w; ++x)
            line[x] = qRgb((x * 7 + y) & 0xFF, (y * 5) & 0xFF, ((x ^ y) * 3) & 0xFF);
    }
    return image;
}

QImage render(int width, bool picture, const QString &name) {
    PlateCanvas canvas;
    canvas.setPlateSize(width);
    canvas.initCanvas(QStringLiteral("/nonexistent.jpg"), QColor(200, 16, 32));
    if (picture)
        canvas.setBackgroundPicture(pictureBackground(canvas.m_width, canvas.m_height));
    PlateLayout layout;
    const int heights[3] = {40, 110, 40};
    for (int i = 0; i < 3; ++i)
        layout.rows[size_t(i)].font.setPixelSize(heights[i]);
    layout.rows[0].indentTop = -160;
    layout.rows[2].indentTop = 160;
    layout.rows[2].color = QColor(30, 220, 90);
    return renderPlate(layout, canvas.m_background,
                       {QStringLiteral("国家发展和改革委员会"), name, QStringLiteral("副主任")});
}

bool samePixels(const QImage &a, const QImage &b) {
    return a.size() == b.size() &&
           a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

// The entropy-coded data and tables: everything after the JFIF segment.
QByteArray afterJfif(const QByteArray &jpeg) {
    return jpeg.mid(20);
}

} // namespace

class TestJpegEncoder : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutes(); }
    void sameAsImageWriter_data();
    void sameAsImageWriter();
    void otherFormatsAndNull();
    void reusedCanvasDrawsAsFresh();
    void savesFilesOrFails();
};

void TestJpegEncoder::sameAsImageWriter_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("picture");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("quality");
    const QString longName = QStringLiteral("中国科学院计算技术研究所北京分所");
    for (int width : {1024, 800})
        for (bool picture : {false, true})
            for (const QString &name : {QStringLiteral("张伟"), longName})
                for (int quality : {97, 100})
                    QTest::addRow("%d %s %s q%d", width, picture ? "picture" : "solid",
                                  name.size() > 4 ? "long" : "short", quality)
                        << width << picture << name << quality;
}

void TestJpegEncoder::sameAsImageWriter() {
    QFETCH(int, width);
    QFETCH(bool, picture);
    QFETCH(QString, name);
    QFETCH(int, quality);
    const QImage plate = render(width, picture, name);
    const QByteArray ours = encodePlateJpeg(plate, quality);
    const QByteArray qts = encodeJpegWithImageWriter(plate, quality);
    QVERIFY(!ours.isEmpty());
    const QImage decoded = decodeJpeg(ours);
    QCOMPARE(decoded.size(), plate.size());
    QVERIFY(samePixels(decoded, decodeJpeg(qts)));
    // Same tables, same scan data, and the same JFIF header as the old writer's.
    QCOMPARE(afterJfif(ours), afterJfif(qts));
    QCOMPARE(ours, qts);
}

void TestJpegEncoder::otherFormatsAndNull() {
    // Formats the fast path does not take still encode, as Qt's writer does them.
    const QImage plate = render(800, true, QStringLiteral("张伟"));
    for (QImage::Format format : {QImage::Format_RGB888, QImage::Format_Grayscale8,
                                  QImage::Format_ARGB32, QImage::Format_Indexed8}) {
        const QImage converted = plate.convertToFormat(format);
        const QByteArray jpeg = encodePlateJpeg(converted, 97);
        QVERIFY2(samePixels(decodeJpeg(jpeg), decodeJpeg(encodeJpegWithImageWriter(converted, 97))),
                 qPrintable(QString::number(int(format))));
    }
    QVERIFY(encodePlateJpeg(QImage(), 97).isEmpty());
}

void TestJpegEncoder::reusedCanvasDrawsAsFresh() {
    PlateCanvas canvas;
    canvas.initCanvas(QStringLiteral("/nonexistent.jpg"), QColor(0, 0, 200));
    canvas.setBackgroundPicture(pictureBackground(1024, 600));
    const PlateLayout layout;
    QImage reused;
    renderPlateOnto(layout, canvas.m_background,
                    {QStringLiteral("很长的一个单位名称"), QStringLiteral("欧阳娜娜"), QString()},
                    reused);
    const uchar *memory = reused.constBits();
    const PlateTexts second{QString(), QStringLiteral("李"), QStringLiteral("主任")};
    renderPlateOnto(layout, canvas.m_background, second, reused);
    QCOMPARE(reused.constBits(), memory);
    QCOMPARE(reused, renderPlate(layout, canvas.m_background, second));
    // Another canvas size replaces the picture; no background leaves none.
    renderPlateOnto(layout, pictureBackground(800, 480), second, reused);
    QCOMPARE(reused.size(), QSize(800, 480));
    renderPlateOnto(layout, QImage(), second, reused);
    QVERIFY(reused.isNull());
}

void TestJpegEncoder::savesFilesOrFails() {
    TempWorkDir dir;
    const QImage plate = render(1024, false, QStringLiteral("张伟"));
    dir.write(QStringLiteral("x.jpg"), QByteArray(400000, 'x'));
    QVERIFY(writeJpegFile(encodePlateJpeg(plate, 97), QStringLiteral("./x.jpg")));
    // The longer old file is replaced, not overwritten in part.
    QCOMPARE(dir.read(QStringLiteral("x.jpg")), encodePlateJpeg(plate, 97));
    QVERIFY(!writeJpegFile(encodePlateJpeg(plate, 97), QStringLiteral("./no/such/x.jpg")));
    QVERIFY(!writeJpegFile(encodePlateJpeg(QImage(), 97), QStringLiteral("./y.jpg")));
    QVERIFY(!QFileInfo::exists(QStringLiteral("./y.jpg")));
}

QTEST_MAIN(TestJpegEncoder)
#include "test_jpegencoder.moc"
