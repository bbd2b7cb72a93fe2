#include "net/picturerenderer.h"

#include <QMetaObject>

#include "net/platepicture.h"

namespace delvora {

PictureRenderer::PictureRenderer(QObject *parent) : QObject(parent) {}

PictureRenderer::~PictureRenderer() {
    m_liveRun = ~quint64(0);
    m_tasks.waitForDone();
}

void PictureRenderer::begin(const PlateLayout &layout, const QImage &background,
                            QList<NameRecord> entries) {
    end();
    m_layout = layout;
    m_background = background;
    m_entries = std::move(entries);
}

void PictureRenderer::end() {
    m_liveRun = ++m_run;
    m_requested.clear();
    m_ready.clear();
    m_entries.clear();
}

void PictureRenderer::request(qsizetype index) {
    if (index < 0 || index >= m_entries.size() || m_requested.contains(index))
        return;
    m_requested.insert(index);
    // Copies: the worker shares nothing that the UI thread may change.
    m_tasks.start([this, run = m_run, index, layout = m_layout, background = m_background,
                   entry = m_entries.at(index)]() mutable {
        if (run != m_liveRun.load())
            return;
        const QByteArray jpeg = renderPlatePicture(layout, background, entry);
        QMetaObject::invokeMethod(
            this, [this, run, index, jpeg] { onRendered(run, index, jpeg); }, Qt::QueuedConnection);
    });
}

QByteArray PictureRenderer::take(qsizetype index) {
    return m_ready.take(index);
}

void PictureRenderer::onRendered(quint64 run, qsizetype index, const QByteArray &jpeg) {
    if (run != m_run)
        return;
    m_ready.insert(index, jpeg);
    emit rendered(index);
}

} // namespace delvora
