#include "namelist/namelist.h"

#include <QColor>
#include <utility>

#include "namelist/namelisttexts.h"

namespace delvora {

NameList::NameList(QObject *parent) : QAbstractTableModel(parent), m_selection(this) {}

int NameList::firstSelected() const {
    int first = -1;
    for (const QItemSelectionRange &range : m_selection.selection())
        if (first < 0 || range.top() < first)
            first = range.top();
    return first;
}

void NameList::clear() {
    beginResetModel();
    m_entries.clear();
    m_overflow.clear();
    endResetModel();
}

void NameList::append(QList<NameRecord> records) {
    if (records.isEmpty())
        return;
    beginInsertRows({}, count(), count() + int(records.size()) - 1);
    if (m_entries.isEmpty())
        m_entries = std::move(records);
    else
        m_entries.append(std::move(records));
    endInsertRows();
}

void NameList::setOverflowRows(QList<quint8> rows) {
    const QList<quint8> before = std::exchange(m_overflow, std::move(rows));
    for (int i = 0; i < count(); ++i)
        if ((i < before.size() ? before.at(i) : 0) != overflowRows(i))
            emit dataChanged(index(i, ColSeq), index(i, ColSeq),
                             {Qt::DecorationRole, Qt::ToolTipRole, Qt::AccessibleTextRole});
}

int NameList::columnWidth(int column) {
    static constexpr int widths[ColumnCount] = {40, 40, 120, 80, 120};
    return column >= 0 && column < ColumnCount ? widths[column] : 0;
}

int NameList::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : count();
}

int NameList::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant NameList::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= count())
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    const NameRecord &e = m_entries.at(index.row());
    if (index.column() == ColSeq && overflowRows(index.row()) != 0) {
        if (role == Qt::DecorationRole)
            return QColor(Qt::red);
        if (role == Qt::ToolTipRole)
            return texts::overflowMark(overflowRows(index.row()));
        if (role == Qt::AccessibleTextRole)
            return QString::number(e.m_nSeq) + u' ' +
                   texts::overflowMark(overflowRows(index.row()));
    }
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case ColSeq:
        return QString::number(e.m_nSeq);
    case ColId:
        return e.m_strId;
    case ColOrganisation:
        return e.m_strOrganisation;
    case ColName:
        return e.m_strName;
    case ColTitle:
        return e.m_strTitle;
    default:
        return {};
    }
}

QVariant NameList::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (section) {
    case ColSeq:
        return texts::headingSeq();
    case ColId:
        return texts::headingId();
    case ColOrganisation:
        return texts::headingOrganisation();
    case ColName:
        return texts::headingName();
    case ColTitle:
        return texts::headingTitle();
    default:
        return {};
    }
}

} // namespace delvora
