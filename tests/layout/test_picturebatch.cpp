#include <QtTest>
#include <atomic>
#include <numeric>

#include "layout/jpegencoder.h"
#include "layout/logfont.h"
#include "layout/picturebatch.h"
#include "layout/platecanvas.h"
#include "layout/renderer.h"

using namespace delvora;

namespace {

QList<PlateTexts> texts(int count) {
    QList<PlateTexts> out;
    for (int i = 0; i < count; ++i)
        out.append({QStringLiteral("单位%1").arg(i), QString(i % 9 + 1, QChar(0x5F20 + i)),
                    i % 3 ? QStringLiteral("职位") : QString()});
    return out;
}

// What one thread alone makes of an entry.
QByteArray alone(PlateLayout layout, const QImage &background, const PlateTexts &t, int quality) {
    layout.setTexts(t.organisation, t.name, t.title);
    return encodePlateJpeg(renderPlate(layout, background), quality);
}

// Records what the sink is handed; checks that it is never called by two threads at once.
struct Recorder {
    QMutex mutex;
    QList<int> order;
    QList<QByteArray> jpegs;
    std::atomic<int> inside{0};
    bool overlapped = false;
    QSet<int> refuse;

    PictureBatch::Sink sink() {
        return [this](int index, const QByteArray &jpeg) {
            if (inside.fetch_add(1) != 0)
                overlapped = true;
            {
                QMutexLocker lock(&mutex);
                order.append(index);
                jpegs.append(jpeg);
            }
            inside.fetch_sub(1);
            return !refuse.contains(index);
        };
    }
};

// A small green plate with the organisation above and the title below the name.
void smallPlate(PlateCanvas &canvas, PlateLayout &layout) {
    canvas.setPlateSize(800);
    canvas.initCanvas(QStringLiteral("/nonexistent.jpg"), makeRgb(0, 90, 0));
    layout.rows[0].indentTop = -120;
    layout.rows[2].indentTop = 120;
}

} // namespace

class TestPictureBatch : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutes(); }
    void everyPictureInOrder_data();
    void everyPictureInOrder();
    void noBackground();
    void deletedWhileRunning();
};

void TestPictureBatch::everyPictureInOrder_data() {
    QTest::addColumn<int>("threads");
    QTest::addColumn<int>("count");
    QTest::newRow("one thread") << 1 << 5;
    QTest::newRow("two threads") << 2 << 23;
    QTest::newRow("more threads than entries") << 8 << 3;
}

void TestPictureBatch::everyPictureInOrder() {
    QFETCH(int, threads);
    QFETCH(int, count);
    PlateCanvas canvas;
    PlateLayout layout;
    smallPlate(canvas, layout);
    const QList<PlateTexts> entries = texts(count);
    Recorder recorder;
    recorder.refuse = {count / 2};
    PictureBatch batch(layout, canvas.m_background, 97, entries, recorder.sink());
    QSignalSpy delivered(&batch, &PictureBatch::delivered);
    QSignalSpy finished(&batch, &PictureBatch::finished);
    // Changes after the start reach neither the workers nor the pictures.
    batch.start(threads);
    layout.setTexts(QStringLiteral("改"), QStringLiteral("改"), QStringLiteral("改"));
    canvas.fillBackground(255, 255, 255);
    QVERIFY(finished.wait(20000));
    QCOMPARE(finished.count(), 1);

    QList<int> expected(count);
    std::iota(expected.begin(), expected.end(), 0);
    QCOMPARE(recorder.order, expected);
    QVERIFY(!recorder.overlapped);
    QCOMPARE(delivered.count(), count);
    for (int i = 0; i < count; ++i) {
        QCOMPARE(delivered.at(i).at(0).toInt(), i);
        QCOMPARE(delivered.at(i).at(1).toBool(), i != count / 2);
    }
    // Byte for byte what one thread makes of each entry.
    PlateCanvas reference;
    PlateLayout original;
    smallPlate(reference, original);
    for (int i = 0; i < count; ++i)
        QVERIFY2(recorder.jpegs.at(i) == alone(original, reference.m_background, entries.at(i), 97),
                 qPrintable(QString::number(i)));
}

void TestPictureBatch::noBackground() {
    Recorder recorder;
    PictureBatch batch(PlateLayout(), QImage(), 97, texts(2), recorder.sink());
    QSignalSpy delivered(&batch, &PictureBatch::delivered);
    QSignalSpy finished(&batch, &PictureBatch::finished);
    batch.start();
    QVERIFY(finished.wait(10000));
    QCOMPARE(recorder.jpegs, QList<QByteArray>(2));
    QCOMPARE(delivered.count(), 2);

    PictureBatch empty(PlateLayout(), QImage(), 97, {}, recorder.sink());
    QSignalSpy none(&empty, &PictureBatch::finished);
    empty.start();
    QVERIFY(none.wait(10000));
}

void TestPictureBatch::deletedWhileRunning() {
    // The window closes during an export: the batch stops, waits for its workers, and its
    // sink is not called again.
    PlateCanvas canvas;
    canvas.initCanvas(QStringLiteral("/nonexistent.jpg"), makeRgb(0, 0, 0));
    Recorder recorder;
    auto batch = std::make_unique<PictureBatch>(PlateLayout(), canvas.m_background, 100, texts(400),
                                                recorder.sink());
    QSignalSpy delivered(batch.get(), &PictureBatch::delivered);
    batch->start(2);
    QVERIFY(delivered.wait(10000));
    batch.reset();
    QMutexLocker lock(&recorder.mutex);
    const qsizetype calls = recorder.order.size();
    lock.unlock();
    // Every worker has returned: nothing is delivered after this.
    QVERIFY(calls < 400);
}

QTEST_MAIN(TestPictureBatch)
#include "test_picturebatch.moc"
