#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QObject>
#include <functional>
#include <memory>

#include "layout/platelayout.h"
#include "layout/platetexts.h"

namespace delvora {

// How every picture of a run is made: the layout and the background at plate size, copied when
// the run is made, so the window may change both meanwhile.
struct PictureLook {
    PlateLayout layout;
    QImage background;
};

// The one way plate pictures are made: a list of texts drawn with one look and encoded on the
// picture pool, every worker on a canvas of its own, and handed on in list order to a sink.
//
// A run either hands each picture to a worker sink (a file writer: the worker writes it, the
// owner hears `delivered`), or keeps it for its owner, which hears `ready` for each picture in
// turn and takes it with take(). Either way at most `ahead` finished pictures wait beyond the
// last one handed on, so memory does not grow with the list. Deleting the run stops it and
// waits for its workers.
class PictureRun : public QObject {
    Q_OBJECT
public:
    // Encodes a finished picture (JPEG at the run's quality unless set otherwise); on a worker.
    using Encoder = std::function<QByteArray(const QImage &picture)>;
    // Takes the encoded picture `index` (empty when nothing could be drawn or encoded) and says
    // whether it was stored. Called on a worker thread, in list order, one at a time.
    using Sink = std::function<bool(int index, const QByteArray &bytes)>;

    PictureRun(PictureLook look, QList<PlateTexts> texts, QObject *parent = nullptr);
    ~PictureRun() override;

    // Before start(): JPEG quality (default 100), another encoder, the worker sink, and how many
    // finished pictures may wait (default: twice the workers and two).
    void setQuality(int quality);
    void setEncoder(Encoder encoder);
    void setSink(Sink sink);
    void setAhead(int pictures);

    // Starts the workers; `threads` 0 means one per thread of the picture pool.
    void start(int threads = 0);

    int count() const;
    // Without a sink: whether picture `index` is finished and not taken yet, and taking it. They
    // are taken in list order, each once (anything else gives nothing); taking one makes room
    // for the next to be drawn.
    bool isReady(int index) const;
    QByteArray take(int index);

signals:
    // Without a sink: picture `index` is finished; they come in list order.
    void ready(int index);
    // With a sink: the sink had picture `index`; they come in list order.
    void delivered(int index, bool stored);
    // Every picture was handed on.
    void finished();

private:
    struct Shared;
    void spawn();
    void work();

    std::shared_ptr<Shared> m_shared;
};

} // namespace delvora
