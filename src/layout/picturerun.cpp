#include "layout/picturerun.h"

#include <QMutex>
#include <QThreadPool>
#include <QWaitCondition>
#include <algorithm>
#include <map>

#include "layout/jpegencoder.h"
#include "layout/picturepool.h"
#include "layout/renderer.h"

namespace delvora {

struct PictureRun::Shared {
    // Read by every worker, never changed once the run started.
    PictureLook look;
    QList<PlateTexts> texts;
    int quality = 100;
    Encoder encoder;
    Sink sink;
    int ahead = 0; // 0: set from the number of workers at start

    mutable QMutex mutex;
    QWaitCondition changed;
    int nextToRender = 0;
    int nextToHand = 0;   // the next picture to hand on, in list order
    int consumed = 0;     // pictures the sink stored or the owner took
    bool handing = false; // a worker is handing pictures on
    bool cancelled = false;
    int threads = 1;                    // workers at most
    int workers = 0;                    // started and not yet returned
    std::map<int, QByteArray> finished; // drawn, waiting for their turn
    std::map<int, QByteArray> kept;     // handed to the owner, not taken yet
};

PictureRun::PictureRun(PictureLook look, QList<PlateTexts> texts, QObject *parent)
    : QObject(parent), m_shared(std::make_shared<Shared>()) {
    m_shared->look = std::move(look);
    // A deep copy: the window may change its background while the workers read this one.
    m_shared->look.background = m_shared->look.background.copy();
    m_shared->texts = std::move(texts);
}

PictureRun::~PictureRun() {
    Shared &s = *m_shared;
    QMutexLocker lock(&s.mutex);
    s.cancelled = true;
    s.changed.wakeAll();
    while (s.workers > 0)
        s.changed.wait(&s.mutex);
}

void PictureRun::setQuality(int quality) {
    m_shared->quality = quality;
}

void PictureRun::setEncoder(Encoder encoder) {
    m_shared->encoder = std::move(encoder);
}

void PictureRun::setSink(Sink sink) {
    m_shared->sink = std::move(sink);
}

void PictureRun::setAhead(int pictures) {
    m_shared->ahead = std::max(1, pictures);
}

int PictureRun::count() const {
    return int(m_shared->texts.size());
}

void PictureRun::start(int threads) {
    Shared &s = *m_shared;
    const int total = count();
    if (total == 0) {
        QMetaObject::invokeMethod(this, &PictureRun::finished, Qt::QueuedConnection);
        return;
    }
    if (threads <= 0)
        threads = std::max(1, picturePool().maxThreadCount());
    QMutexLocker lock(&s.mutex);
    s.threads = std::min(threads, total);
    // Enough pictures ahead to keep every worker busy while one of them hands on, few enough
    // that a slow drive or slow plates do not pile pictures up in memory.
    if (s.ahead <= 0)
        s.ahead = 2 * s.threads + 2;
    spawn();
}

void PictureRun::spawn() {
    // Called with the lock held. A worker with nothing to draw returns its thread to the pool
    // (other runs share it); one is started again as soon as there is room.
    Shared &s = *m_shared;
    const int total = int(s.texts.size());
    const int room = std::min(total - s.nextToRender, s.ahead - (s.nextToRender - s.consumed));
    while (!s.cancelled && s.workers < s.threads && s.workers < room) {
        ++s.workers;
        picturePool().start([this] { work(); });
    }
}

bool PictureRun::isReady(int index) const {
    QMutexLocker lock(&m_shared->mutex);
    return m_shared->kept.count(index) > 0;
}

QByteArray PictureRun::take(int index) {
    Shared &s = *m_shared;
    QMutexLocker lock(&s.mutex);
    const auto it = s.kept.find(index);
    // Pictures are taken in list order: that is what keeps the number waiting bounded.
    if (it == s.kept.end() || index != s.consumed)
        return {};
    QByteArray bytes = std::move(it->second);
    s.kept.erase(it);
    ++s.consumed;
    spawn();
    return bytes;
}

void PictureRun::work() {
    Shared &s = *m_shared;
    const int total = int(s.texts.size());
    QImage canvas;
    QMutexLocker lock(&s.mutex);
    for (;;) {
        if (s.cancelled || s.nextToRender >= total || s.nextToRender - s.consumed >= s.ahead)
            break;
        const int index = s.nextToRender++;
        lock.unlock();

        renderPlateOnto(s.look.layout, s.look.background, s.texts.at(index), canvas);
        QByteArray bytes = s.encoder ? s.encoder(canvas) : encodePlateJpeg(canvas, s.quality);

        lock.relock();
        s.finished.emplace(index, std::move(bytes));
        if (s.handing)
            continue; // the worker handing on now takes this one in its turn
        // This worker hands on every picture that is next in order, one at a time.
        s.handing = true;
        while (!s.cancelled) {
            const auto next = s.finished.find(s.nextToHand);
            if (next == s.finished.end())
                break;
            const int k = next->first;
            QByteArray picture = std::move(next->second);
            s.finished.erase(next);
            ++s.nextToHand;
            if (s.sink) {
                lock.unlock();
                const bool stored = s.sink(k, picture);
                // Posted in list order: the owner hears of each picture in turn.
                QMetaObject::invokeMethod(
                    this, [this, k, stored] { emit delivered(k, stored); }, Qt::QueuedConnection);
                lock.relock();
                ++s.consumed;
                spawn();
            } else {
                s.kept.emplace(k, std::move(picture));
                QMetaObject::invokeMethod(
                    this, [this, k] { emit ready(k); }, Qt::QueuedConnection);
            }
            if (k + 1 == total)
                QMetaObject::invokeMethod(this, &PictureRun::finished, Qt::QueuedConnection);
        }
        s.handing = false;
    }
    --s.workers;
    s.changed.wakeAll();
}

} // namespace delvora
