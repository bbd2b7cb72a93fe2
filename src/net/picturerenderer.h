#pragma once

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QList>
#include <QObject>
#include <QSet>
#include <atomic>

#include "layout/picturepool.h"
#include "layout/platelayout.h"
#include "namelist/namerecord.h"

namespace delvora {

// Renders plate pictures ahead of their delivery on worker threads. Each run works on its own
// copy of the layout (fonts included), the background and the entries, so the window may change
// them meanwhile; the pictures come back on the owner's thread through `rendered`.
class PictureRenderer : public QObject {
    Q_OBJECT
public:
    explicit PictureRenderer(QObject *parent = nullptr);
    ~PictureRenderer() override;

    // Starts a run over these entries; pictures of an earlier run are dropped.
    void begin(const PlateLayout &layout, const QImage &background, QList<NameRecord> entries);
    // Drops everything; renderings still running are ignored when they end.
    void end();

    // Asks for the picture of entry `index`; nothing when it is asked for already.
    void request(qsizetype index);
    bool isRequested(qsizetype index) const { return m_requested.contains(index); }
    bool isReady(qsizetype index) const { return m_ready.contains(index); }
    // The finished picture of entry `index` (empty when nothing could be drawn); it is handed
    // out once.
    QByteArray take(qsizetype index);

signals:
    void rendered(qsizetype index);

private:
    void onRendered(quint64 run, qsizetype index, const QByteArray &jpeg);

    quint64 m_run = 0;
    // The run the workers still draw for: tasks queued for an earlier run end at once.
    std::atomic<quint64> m_liveRun{0};
    PlateLayout m_layout;
    QImage m_background;
    QList<NameRecord> m_entries;
    QSet<qsizetype> m_requested;
    QHash<qsizetype, QByteArray> m_ready;
    PoolTasks m_tasks; // last, so that it waits for the workers before the rest goes
};

} // namespace delvora
