#pragma once

#include <QObject>
#include <QTimer>

#include "layout/overflowcheck.h"

namespace delvora {

class NameList;
class PlateDesign;

// Keeps the overflow marks of the name list current: after an import, an edit of the list and
// a change of the layout the texts are checked again on the picture pool, and the marks are
// set when the check is done.
class OverflowMarks : public QObject {
    Q_OBJECT
public:
    OverflowMarks(NameList &names, const PlateDesign &design, QObject *parent = nullptr);

    // The layout changed: check again soon (changes in quick succession, as in a drag, make
    // one check).
    void schedule();

    // Entries with a mark, as the list and layout are now: a check still pending is done here.
    int markedCount();

signals:
    void updated();

private:
    void startCheck();
    void apply(const QList<quint8> &marks);
    QList<PlateTexts> entryTexts() const;
    QSize canvasSize() const;

    NameList &m_names;
    const PlateDesign &m_design;
    OverflowCheck m_check;
    QTimer m_timer;
    bool m_stale = false; // a change not yet reflected in the marks
};

} // namespace delvora
