#include "layout/picturepool.h"

#include <QThreadPool>

namespace delvora {

QThreadPool &picturePool() {
    // Qt's shared pool already has one thread per core and lives as long as the application.
    return *QThreadPool::globalInstance();
}

void PoolTasks::start(std::function<void()> task) {
    {
        QMutexLocker lock(&m_mutex);
        ++m_running;
    }
    picturePool().start([this, task = std::move(task)] {
        task();
        QMutexLocker lock(&m_mutex);
        if (--m_running == 0)
            m_idle.wakeAll();
    });
}

void PoolTasks::waitForDone() {
    QMutexLocker lock(&m_mutex);
    while (m_running > 0)
        m_idle.wait(&m_mutex);
}

} // namespace delvora
