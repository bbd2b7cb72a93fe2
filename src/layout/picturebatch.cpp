#include "layout/picturebatch.h"

#include <QMutex>
#include <QThreadPool>
#include <QWaitCondition>
#include <algorithm>
#include <map>

#include "layout/jpegencoder.h"
#include "layout/picturepool.h"
#include "layout/renderer.h"

namespace delvora {

struct PictureBatch::Shared {
    // Read by every worker, never changed after construction.
    PlateLayout layout;
    QImage background;
    int quality = 100;
    QList<PlateTexts> texts;
    Sink sink;

    QMutex mutex;
    QWaitCondition changed;
    int nextToRender = 0;
    int nextToDeliver = 0;
    bool delivering = false; // a worker is handing pictures to the sink
    bool cancelled = false;
    int workers = 0; // started and not yet returned
    int window = 1;  // how far rendering may run ahead of delivery
    std::map<int, QByteArray> ready;
};

PictureBatch::PictureBatch(const PlateLayout &layout, const QImage &background, int quality,
                           QList<PlateTexts> texts, Sink sink, QObject *parent)
    : QObject(parent), m_shared(std::make_unique<Shared>()) {
    m_shared->layout = layout;
    // A deep copy: the window may change its background while the workers read this one.
    m_shared->background = background.copy();
    m_shared->quality = quality;
    m_shared->texts = std::move(texts);
    m_shared->sink = std::move(sink);
}

PictureBatch::~PictureBatch() {
    Shared &s = *m_shared;
    QMutexLocker lock(&s.mutex);
    s.cancelled = true;
    s.changed.wakeAll();
    while (s.workers > 0)
        s.changed.wait(&s.mutex);
}

void PictureBatch::start(int threads) {
    Shared &s = *m_shared;
    const int count = int(s.texts.size());
    if (count == 0) {
        QMetaObject::invokeMethod(this, &PictureBatch::finished, Qt::QueuedConnection);
        return;
    }
    QThreadPool &pool = picturePool();
    if (threads <= 0)
        threads = std::max(1, pool.maxThreadCount());
    threads = std::min(threads, count);
    {
        QMutexLocker lock(&s.mutex);
        s.workers = threads;
        // Enough pictures ahead to keep every worker busy while one of them writes, few enough
        // that a slow drive does not pile up encoded pictures in memory.
        s.window = 2 * threads + 2;
    }
    for (int i = 0; i < threads; ++i)
        pool.start([this] { work(); });
}

void PictureBatch::work() {
    Shared &s = *m_shared;
    const int count = int(s.texts.size());
    PlateLayout layout = s.layout;
    QImage canvas;
    QMutexLocker lock(&s.mutex);
    for (;;) {
        while (!s.cancelled && s.nextToRender < count &&
               s.nextToRender - s.nextToDeliver >= s.window)
            s.changed.wait(&s.mutex);
        if (s.cancelled || s.nextToRender >= count)
            break;
        const int index = s.nextToRender++;
        lock.unlock();

        const PlateTexts &t = s.texts.at(index);
        layout.setTexts(t.organisation, t.name, t.title);
        renderPlateOnto(layout, s.background, canvas);
        QByteArray jpeg = encodePlateJpeg(canvas, s.quality);

        lock.relock();
        s.ready.emplace(index, std::move(jpeg));
        if (s.delivering)
            continue; // the worker delivering now takes this one in its turn
        // This worker hands over every picture that is next in order, one at a time.
        s.delivering = true;
        while (!s.cancelled) {
            const auto next = s.ready.find(s.nextToDeliver);
            if (next == s.ready.end())
                break;
            const int k = next->first;
            const QByteArray bytes = std::move(next->second);
            s.ready.erase(next);
            lock.unlock();
            const bool stored = s.sink(k, bytes);
            // Posted in list order: the next delivery starts only after this post.
            QMetaObject::invokeMethod(
                this, [this, k, stored] { emit delivered(k, stored); }, Qt::QueuedConnection);
            if (k + 1 == count)
                QMetaObject::invokeMethod(this, &PictureBatch::finished, Qt::QueuedConnection);
            lock.relock();
            ++s.nextToDeliver;
            s.changed.wakeAll();
        }
        s.delivering = false;
    }
    --s.workers;
    s.changed.wakeAll();
}

} // namespace delvora
