#pragma once

#include <QMutex>
#include <QWaitCondition>
#include <functional>

class QThreadPool;

namespace delvora {

// The worker threads that make plate pictures (rendering and encoding): one per core. Workers
// take read-only copies of their inputs; nothing they touch belongs to a widget.
QThreadPool &PicturePool();

// The threads that measure texts without drawing them (the overflow check), one per core. They
// are kept apart from the picture threads and the window's thread on purpose: a text measured
// on a thread before that thread has drawn it leaves the thread's font engines in a state in
// which the same text later draws a few levels differently at glyph edges. Threads that only
// ever draw whole pictures draw every picture the same, whatever they drew before.
QThreadPool &MeasurePool();

// One owner's work on the picture pool. The owner waits for its own tasks only (other owners'
// work may be queued beside them), so it can let go of what its tasks touch.
class PoolTasks {
public:
    PoolTasks() = default;
    ~PoolTasks() { waitForDone(); }
    PoolTasks(const PoolTasks &) = delete;
    PoolTasks &operator=(const PoolTasks &) = delete;

    void start(std::function<void()> task);
    void waitForDone();

private:
    QMutex m_mutex;
    QWaitCondition m_idle;
    int m_running = 0;
};

} // namespace delvora
