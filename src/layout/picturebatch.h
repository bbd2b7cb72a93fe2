#pragma once

#include <QImage>
#include <QList>
#include <QObject>
#include <functional>
#include <memory>

#include "layout/platelayout.h"

namespace delvora {

// The three texts of one plate picture.
struct PlateTexts {
    QString organisation;
    QString name;
    QString title;
};

// Renders and encodes a list of plate pictures on the picture pool, every worker on its own
// canvas with its own copy of the layout, and hands each JPEG to a sink in list order, one at a
// time, on a worker thread (so the sink may write files without holding the window). The
// window hears of each picture in order through `delivered`, then `finished`. Deleting the
// batch stops it and waits for its workers.
class PictureBatch : public QObject {
    Q_OBJECT
public:
    // Takes the JPEG of picture `index` (empty when nothing could be drawn or encoded) and
    // says whether it was stored. Called on a worker thread.
    using Sink = std::function<bool(int index, const QByteArray &jpeg)>;

    // The layout and background are copied: later changes of either do not reach the batch.
    PictureBatch(const PlateLayout &layout, const QImage &background, int quality,
                 QList<PlateTexts> texts, Sink sink, QObject *parent = nullptr);
    ~PictureBatch() override;

    // Starts the workers; `threads` 0 means one per thread of the picture pool.
    void start(int threads = 0);

signals:
    void delivered(int index, bool stored);
    void finished();

private:
    struct Shared;
    void work();

    std::unique_ptr<Shared> m_shared;
};

} // namespace delvora
