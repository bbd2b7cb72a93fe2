#pragma once

#include <QObject>
#include <QTimer>

#include "layout/overflowcheck.h"

class QWidget;

namespace delvora {

class NameList;
class PlateCanvas;

// Keeps the overflow marks of the name list current: after an import, an edit of the list and
// a change of the layout the texts are checked again on the picture pool, and the marks are
// set when the check is done. Before pictures are sent, the operator is asked whether to go
// on when entries are marked.
class OverflowMarks : public QObject {
    Q_OBJECT
public:
    OverflowMarks(NameList &names, const PlateLayout &layout, const PlateCanvas &canvas,
                  QObject *parent = nullptr);

    // The layout changed: check again soon (changes in quick succession, as in a drag, make
    // one check).
    void schedule();

    // Entries with a mark, as the list and layout are now: a check still pending is done here.
    int markedCount();

    // Asks "有N个名单的文字超出显示区域，是否继续？" when entries are marked. True to go on.
    bool confirmSending(QWidget *owner);

signals:
    void updated();

private:
    void startCheck();
    void apply(const QList<quint8> &marks);
    QList<PlateTexts> entryTexts() const;
    QSize canvasSize() const;

    NameList &m_names;
    const PlateLayout &m_layout;
    const PlateCanvas &m_canvas;
    OverflowCheck m_check;
    QTimer m_timer;
    bool m_stale = false; // a change not yet reflected in the marks
};

} // namespace delvora
