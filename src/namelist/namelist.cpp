#include "namelist/namelist.h"

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
    if (role != Qt::DisplayRole)
        return {};
    const NameRecord &e = m_entries.at(index.row());
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
