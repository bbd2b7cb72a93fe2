#pragma once

#include <QMutex>
#include <QWaitCondition>
#include <functional>

class QThreadPool;

namespace delvora {

// The worker threads that make plate pictures (rendering, encoding, measuring texts): one per
// core. Workers take read-only copies of their inputs; nothing they touch belongs to a widget.
QThreadPool &picturePool();

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
