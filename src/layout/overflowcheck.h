#pragma once

#include <QList>
#include <QMutex>
#include <QObject>
#include <QWaitCondition>
#include <memory>

#include "layout/platelayout.h"
#include "layout/platetexts.h"

namespace delvora {

// For each entry, the rows whose text overflows on a w×h canvas with this layout (bit i for
// row i; see RowOverflows).
QList<quint8> checkOverflow(const PlateLayout &layout, int w, int h,
                            const QList<PlateTexts> &texts);

// The same check on the picture pool, in slices, so that a long list does not hold the window.
// A new start drops the result of the one before; `ready` brings the result of the last one.
// Deleting the object waits for its workers.
class OverflowCheck : public QObject {
    Q_OBJECT
public:
    explicit OverflowCheck(QObject *parent = nullptr);
    ~OverflowCheck() override;

    void start(const PlateLayout &layout, int w, int h, QList<PlateTexts> texts);
    // Drops the running check's result.
    void cancel();

signals:
    void ready(const QList<quint8> &marks);

private:
    struct Run;
    void finishSlice(const std::shared_ptr<Run> &run);

    QMutex m_mutex;
    QWaitCondition m_idle;
    int m_slices = 0; // queued or running, of every run
    std::shared_ptr<Run> m_current;
};

} // namespace delvora
