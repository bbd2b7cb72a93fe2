#include <QDir>
#include <QtTest>

#include "layout/jpegencoder.h"
#include "layout/platecanvas.h"
#include "layout/platelayout.h"
#include "layout/renderer.h"
#include "namelist/namerecord.h"
#include "net/platepicture.h"
#include "support/jpegcheck.h"
#include "support/tempworkdir.h"

using namespace delvora;
using delvora::test::TempWorkDir;

// A name-list entry as the picture file a plate receives.
class TestPlatePicture : public QObject {
    Q_OBJECT
private slots:
    void rendersTheEntry();
    void writeReplacesTheWholeFile();
    void writeFailures();
};

void TestPlatePicture::rendersTheEntry() {
    PlateCanvas canvas;
    canvas.initCanvas(QStringLiteral("/nonexistent/red.jpg"), QColor(0, 0, 200));
    PlateLayout layout;
    const NameRecord entry{1, QStringLiteral("5"), QStringLiteral("财政部"), QStringLiteral("李娜"),
                           QStringLiteral("司长")};
    const QByteArray jpeg = renderPlatePicture(layout, canvas, entry);
    QCOMPARE(jpeg, encodePlateJpeg(renderPlate(layout, canvas.m_background, entry.texts()), 100));
    const QImage picture = test::decodeJpeg(jpeg);
    QCOMPARE(picture.size(), QSize(canvas.m_width, canvas.m_height));
    QVERIFY(test::near(picture.pixelColor(2, 2), QColor(0, 0, 200), 8));

    // Nothing to draw on: no picture at all.
    canvas.setBackgroundPicture(QImage());
    QVERIFY(renderPlatePicture(layout, canvas, entry).isEmpty());
}

void TestPlatePicture::writeReplacesTheWholeFile() {
    TempWorkDir dir;
    dir.write(QStringLiteral("x.jpg"), QByteArray(50000, 'o'));
    QVERIFY(writePlatePicture(QByteArray(1200, 'n')));
    QCOMPARE(dir.read(QStringLiteral("x.jpg")), QByteArray(1200, 'n'));
    QVERIFY(writePlatePicture(QByteArray(3000, 'm')));
    QCOMPARE(dir.read(QStringLiteral("x.jpg")), QByteArray(3000, 'm'));
}

void TestPlatePicture::writeFailures() {
    TempWorkDir dir;
    QVERIFY(!writePlatePicture(QByteArray()));
    QVERIFY(!writePlatePicture(QByteArray(10, 'n'), QStringLiteral("missing/x.jpg")));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("x.jpg")));
    QVERIFY(!writePlatePicture(QByteArray(10, 'n')));
}

QTEST_MAIN(TestPlatePicture)
#include "test_platepicture.moc"
