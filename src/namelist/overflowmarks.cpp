#include "namelist/overflowmarks.h"

#include "layout/platedesign.h"
#include "namelist/namelist.h"
#include "namelist/namelisttexts.h"

namespace delvora {

OverflowMarks::OverflowMarks(NameList &names, const PlateDesign &design, QObject *parent)
    : QObject(parent), m_names(names), m_design(design) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(30);
    connect(&m_timer, &QTimer::timeout, this, &OverflowMarks::startCheck);
    connect(&m_check, &OverflowCheck::ready, this, &OverflowMarks::apply);
    connect(&design, &PlateDesign::changed, this, &OverflowMarks::schedule);
    connect(&names, &QAbstractItemModel::modelReset, this, &OverflowMarks::schedule);
    connect(&names, &QAbstractItemModel::rowsInserted, this, &OverflowMarks::schedule);
    connect(&names, &QAbstractItemModel::rowsRemoved, this, &OverflowMarks::schedule);
    connect(&names, &QAbstractItemModel::rowsMoved, this, &OverflowMarks::schedule);
    connect(&names, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &, const QModelIndex &, const QList<int> &roles) {
                // The marks' own changes are no edit of a text.
                if (roles.isEmpty() || roles.contains(Qt::DisplayRole) ||
                    roles.contains(Qt::EditRole))
                    schedule();
            });
}

void OverflowMarks::schedule() {
    m_stale = true;
    m_timer.start();
}

QList<PlateTexts> OverflowMarks::entryTexts() const {
    QList<PlateTexts> out;
    out.reserve(m_names.count());
    for (int i = 0; i < m_names.count(); ++i) {
        const NameRecord &e = m_names.at(i);
        out.append(e.texts());
    }
    return out;
}

QSize OverflowMarks::canvasSize() const {
    // Pictures are drawn on the background; its size is the plate's.
    const PlateCanvas &canvas = m_design.canvas();
    if (!canvas.m_background.isNull())
        return canvas.m_background.size();
    return canvas.size();
}

void OverflowMarks::startCheck() {
    const QSize size = canvasSize();
    m_check.start(m_design.layout(), size.width(), size.height(), entryTexts());
}

void OverflowMarks::apply(const QList<quint8> &marks) {
    if (m_timer.isActive())
        return; // a newer change is waiting for its own check
    m_stale = false;
    m_names.setOverflowRows(marks);
    emit updated();
}

int OverflowMarks::markedCount() {
    if (m_stale) {
        m_timer.stop();
        const QSize size = canvasSize();
        // The result of a check still running saw an older state.
        m_check.cancel();
        m_stale = false;
        m_names.setOverflowRows(
            checkOverflow(m_design.layout(), size.width(), size.height(), entryTexts()));
        emit updated();
    }
    int marked = 0;
    for (int i = 0; i < m_names.count(); ++i)
        marked += m_names.overflowRows(i) != 0 ? 1 : 0;
    return marked;
}

} // namespace delvora
