#include <QDir>
#include <QtTest>

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
    void rendersTheEntryIntoTheLayout();
    void writeReplacesTheWholeFile();
    void writeFailures();
};

void TestPlatePicture::rendersTheEntryIntoTheLayout() {
    PlateCanvas canvas;
    canvas.InitCanvas(QStringLiteral("/nonexistent/red.jpg"), MakeRgb(0, 0, 200));
    PlateLayout layout;
    const NameRecord entry{1, QStringLiteral("5"), QStringLiteral("财政部"), QStringLiteral("李娜"),
                           QStringLiteral("司长")};
    const QByteArray jpeg = RenderPlatePicture(layout, canvas, entry);
    QCOMPARE(layout.m_pRows[0].m_strText, QStringLiteral("财政部"));
    QCOMPARE(layout.m_pRows[1].m_strText, QStringLiteral("李娜"));
    QCOMPARE(layout.m_pRows[2].m_strText, QStringLiteral("司长"));
    const QImage picture = test::decodeJpeg(jpeg);
    QCOMPARE(picture.size(), QSize(canvas.m_nWidth, canvas.m_nHeight));
    QVERIFY(test::near(picture.pixelColor(2, 2), QColor(0, 0, 200), 8));

    // Nothing to draw on: no picture at all.
    canvas.SetBackgroundPicture(QImage());
    QVERIFY(RenderPlatePicture(layout, canvas, entry).isEmpty());
}

void TestPlatePicture::writeReplacesTheWholeFile() {
    TempWorkDir dir;
    dir.write(QStringLiteral("x.jpg"), QByteArray(50000, 'o'));
    QVERIFY(WritePlatePicture(QByteArray(1200, 'n')));
    QCOMPARE(dir.read(QStringLiteral("x.jpg")), QByteArray(1200, 'n'));
    QVERIFY(WritePlatePicture(QByteArray(3000, 'm')));
    QCOMPARE(dir.read(QStringLiteral("x.jpg")), QByteArray(3000, 'm'));
}

void TestPlatePicture::writeFailures() {
    TempWorkDir dir;
    QVERIFY(!WritePlatePicture(QByteArray()));
    QVERIFY(!WritePlatePicture(QByteArray(10, 'n'), QStringLiteral("missing/x.jpg")));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("x.jpg")));
    QVERIFY(!WritePlatePicture(QByteArray(10, 'n')));
}

QTEST_MAIN(TestPlatePicture)
#include "test_platepicture.moc"
