#include "layout/overflowcheck.h"

#include <QThreadPool>
#include <atomic>

#include "layout/picturepool.h"
#include "layout/renderer.h"

namespace delvora {

namespace {

void checkSlice(const PlateLayout &layout, int w, int h, const QList<PlateTexts> &texts, int from,
                int to, quint8 *out, const std::atomic<bool> *cancelled = nullptr) {
    for (int i = from; i < to; ++i) {
        if (cancelled && cancelled->load(std::memory_order_relaxed))
            return;
        const PlateTexts &t = texts.at(i);
        quint8 rows = 0;
        for (int r = 0; r < PlateLayout::kRows; ++r)
            if (rowOverflows(layout.rows[size_t(r)], t.row(r), w, h))
                rows |= quint8(1u << r);
        out[i] = rows;
    }
}

} // namespace

QList<quint8> checkOverflow(const PlateLayout &layout, int w, int h,
                            const QList<PlateTexts> &texts) {
    QList<quint8> marks(texts.size(), 0);
    checkSlice(layout, w, h, texts, 0, int(texts.size()), marks.data());
    return marks;
}

struct OverflowCheck::Run {
    PlateLayout layout;
    int w = 0;
    int h = 0;
    QList<PlateTexts> texts;
    QList<quint8> marks; // each slice writes only its own elements
    std::atomic<int> slicesLeft{0};
    std::atomic<bool> cancelled{false};
};

OverflowCheck::OverflowCheck(QObject *parent) : QObject(parent) {}

OverflowCheck::~OverflowCheck() {
    QMutexLocker lock(&m_mutex);
    if (m_current)
        m_current->cancelled = true;
    while (m_slices > 0)
        m_idle.wait(&m_mutex);
}

void OverflowCheck::start(const PlateLayout &layout, int w, int h, QList<PlateTexts> texts) {
    auto run = std::make_shared<Run>();
    run->layout = layout;
    run->w = w;
    run->h = h;
    run->texts = std::move(texts);
    const int count = int(run->texts.size());
    run->marks = QList<quint8>(count, 0);
    QThreadPool &pool = picturePool();
    const int slices = std::clamp(count / 64, 1, std::max(1, pool.maxThreadCount()));
    run->slicesLeft = slices;
    {
        QMutexLocker lock(&m_mutex);
        if (m_current)
            m_current->cancelled = true;
        m_current = run;
        m_slices += slices;
    }
    quint8 *out = run->marks.data(); // detached here, once, before any worker writes
    for (int s = 0; s < slices; ++s) {
        const int from = int(qint64(count) * s / slices);
        const int to = int(qint64(count) * (s + 1) / slices);
        pool.start([this, run, from, to, out] {
            checkSlice(run->layout, run->w, run->h, run->texts, from, to, out, &run->cancelled);
            finishSlice(run);
        });
    }
}

void OverflowCheck::cancel() {
    QMutexLocker lock(&m_mutex);
    if (m_current)
        m_current->cancelled = true;
}

void OverflowCheck::finishSlice(const std::shared_ptr<Run> &run) {
    QMutexLocker lock(&m_mutex);
    if (--run->slicesLeft == 0 && !run->cancelled) {
        // A check started after this one was posted makes this result stale.
        QMetaObject::invokeMethod(
            this,
            [this, run] {
                if (!run->cancelled)
                    emit ready(run->marks);
            },
            Qt::QueuedConnection);
    }
    --m_slices;
    m_idle.wakeAll();
}

} // namespace delvora
