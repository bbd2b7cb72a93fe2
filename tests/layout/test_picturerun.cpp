#include <QtTest>
#include <atomic>
#include <numeric>

#include "layout/jpegencoder.h"
#include "layout/logfont.h"
#include "layout/picturerun.h"
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
QByteArray alone(const PlateLayout &layout, const QImage &background, const PlateTexts &t,
                 int quality) {
    return encodePlateJpeg(renderPlate(layout, background, t), quality);
}

// A run of these entries with a sink, at this quality.
std::unique_ptr<PictureRun> sinkRun(const PlateLayout &layout, const QImage &background,
                                    int quality, QList<PlateTexts> entries, PictureRun::Sink sink) {
    auto run = std::make_unique<PictureRun>(PictureLook{layout, background}, std::move(entries));
    run->setQuality(quality);
    run->setSink(std::move(sink));
    return run;
}

// Records what the sink is handed; checks that it is never called by two threads at once.
struct Recorder {
    QMutex mutex;
    QList<int> order;
    QList<QByteArray> jpegs;
    std::atomic<int> inside{0};
    bool overlapped = false;
    QSet<int> refuse;

    PictureRun::Sink sink() {
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
    canvas.initCanvas(QStringLiteral("/nonexistent.jpg"), QColor(0, 90, 0));
    layout.rows[0].indentTop = -120;
    layout.rows[2].indentTop = 120;
}

} // namespace

class TestPictureRun : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutes(); }
    void everyPictureInOrder_data();
    void everyPictureInOrder();
    void noBackground();
    void deletedWhileRunning();
    void ownerTakesInOrderAndFewWait();
};

void TestPictureRun::everyPictureInOrder_data() {
    QTest::addColumn<int>("threads");
    QTest::addColumn<int>("count");
    QTest::newRow("one thread") << 1 << 5;
    QTest::newRow("two threads") << 2 << 23;
    QTest::newRow("more threads than entries") << 8 << 3;
}

void TestPictureRun::everyPictureInOrder() {
    QFETCH(int, threads);
    QFETCH(int, count);
    PlateCanvas canvas;
    PlateLayout layout;
    smallPlate(canvas, layout);
    const QList<PlateTexts> entries = texts(count);
    Recorder recorder;
    recorder.refuse = {count / 2};
    const auto run = sinkRun(layout, canvas.m_background, 97, entries, recorder.sink());
    QSignalSpy delivered(run.get(), &PictureRun::delivered);
    QSignalSpy finished(run.get(), &PictureRun::finished);
    // Changes after the start reach neither the workers nor the pictures.
    run->start(threads);
    layout.rows[1].font.setPixelSize(10);
    canvas.fillBackground(Qt::white);
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

void TestPictureRun::noBackground() {
    Recorder recorder;
    const auto run = sinkRun(PlateLayout(), QImage(), 97, texts(2), recorder.sink());
    QSignalSpy delivered(run.get(), &PictureRun::delivered);
    QSignalSpy finished(run.get(), &PictureRun::finished);
    run->start();
    QVERIFY(finished.wait(10000));
    QCOMPARE(recorder.jpegs, QList<QByteArray>(2));
    QCOMPARE(delivered.count(), 2);

    const auto empty = sinkRun(PlateLayout(), QImage(), 97, {}, recorder.sink());
    QSignalSpy none(empty.get(), &PictureRun::finished);
    empty->start();
    QVERIFY(none.wait(10000));
}

void TestPictureRun::deletedWhileRunning() {
    // The window closes during an export: the run stops, waits for its workers, and its
    // sink is not called again.
    PlateCanvas canvas;
    canvas.initCanvas(QStringLiteral("/nonexistent.jpg"), QColor(0, 0, 0));
    Recorder recorder;
    auto run = sinkRun(PlateLayout(), canvas.m_background, 100, texts(400), recorder.sink());
    QSignalSpy delivered(run.get(), &PictureRun::delivered);
    run->start(2);
    QVERIFY(delivered.wait(10000));
    run.reset();
    QMutexLocker lock(&recorder.mutex);
    const qsizetype calls = recorder.order.size();
    lock.unlock();
    // Every worker has returned: nothing is delivered after this.
    QVERIFY(calls < 400);
}

void TestPictureRun::ownerTakesInOrderAndFewWait() {
    // Without a sink the owner takes the pictures in turn; no more than `ahead` finished ones
    // wait for it, however long it takes (slow plates must not fill the memory).
    PlateCanvas canvas;
    PlateLayout layout;
    smallPlate(canvas, layout);
    const QList<PlateTexts> entries = texts(12);
    PictureRun run({layout, canvas.m_background}, entries);
    run.setAhead(3);
    QSignalSpy ready(&run, &PictureRun::ready);
    QSignalSpy finished(&run, &PictureRun::finished);
    run.start(2);
    QTRY_COMPARE_WITH_TIMEOUT(ready.count(), 3, 10000);
    // Nothing more is drawn while the three wait.
    QTest::qWait(300);
    QCOMPARE(ready.count(), 3);
    QCOMPARE(run.take(1), QByteArray()); // not its turn to be taken: nothing is handed out
    for (int i = 0; i < entries.size(); ++i) {
        QTRY_VERIFY_WITH_TIMEOUT(ready.count() > i, 10000);
        QCOMPARE(ready.at(i).at(0).toInt(), i);
        QVERIFY(run.isReady(i));
        QCOMPARE(run.take(i), alone(layout, canvas.m_background, entries.at(i), 100));
        QVERIFY(!run.isReady(i));
        QVERIFY(ready.count() <= i + 1 + 3);
    }
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 10000);
}

QTEST_MAIN(TestPictureRun)
#include "test_picturerun.moc"
