#include "namelist/namelist.h"

#include <QColor>
#include <QIcon>
#include <algorithm>
#include <utility>

#include "namelist/addentry.h"
#include "namelist/editentrycell.h"
#include "namelist/idwarnings.h"
#include "namelist/moveentries.h"
#include "namelist/namelisttexts.h"
#include "namelist/plateid.h"
#include "namelist/removeentries.h"
#include "namelist/replacelist.h"
#include "namelist/swapseats.h"

namespace delvora {

namespace {

QString *field(NameRecord &entry, int column) {
    switch (column) {
    case NameList::ColId:
        return &entry.id;
    case NameList::ColOrganisation:
        return &entry.organisation;
    case NameList::ColName:
        return &entry.name;
    case NameList::ColTitle:
        return &entry.title;
    default:
        return nullptr;
    }
}

// The valid positions among `given`, each once, ascending.
QList<int> ascending(QList<int> given, int count) {
    given.removeIf([count](int p) { return p < 0 || p >= count; });
    std::sort(given.begin(), given.end());
    given.erase(std::unique(given.begin(), given.end()), given.end());
    return given;
}

// Ascending positions as runs of neighbours, first and last.
QList<std::pair<int, int>> runs(const QList<int> &positions) {
    QList<std::pair<int, int>> out;
    for (int p : positions) {
        if (!out.isEmpty() && out.last().second + 1 == p)
            out.last().second = p;
        else
            out.append({p, p});
    }
    return out;
}

} // namespace

NameList::NameList(QObject *parent) : QAbstractTableModel(parent), m_selection(this) {}

int NameList::firstSelected() const {
    int first = -1;
    for (const QItemSelectionRange &range : m_selection.selection())
        if (first < 0 || range.top() < first)
            first = range.top();
    return first;
}

QList<int> NameList::selectedRows() const {
    QList<int> rows;
    for (const QItemSelectionRange &range : m_selection.selection())
        for (int r = range.top(); r <= range.bottom(); ++r)
            rows << r;
    return ascending(std::move(rows), count());
}

void NameList::clear() {
    replaceEntries({});
}

void NameList::append(QList<NameRecord> records) {
    if (records.isEmpty())
        return;
    beginInsertRows({}, count(), count() + int(records.size()) - 1);
    if (m_entries.isEmpty())
        m_entries = std::move(records);
    else
        m_entries.append(std::move(records));
    m_warnings.resize(m_entries.size());
    endInsertRows();
    refreshWarnings();
}

bool NameList::editCell(int position, int column, const QString &text) {
    if (position < 0 || position >= count() || !field(m_entries[position], column))
        return false;
    // An ID follows the import's rule; a cleared ID stays empty, so that it is marked.
    const QString value = column != ColId            ? text
                          : text.trimmed().isEmpty() ? QString()
                                                     : plateIdText(text);
    const QString old = cellText(m_entries[position], column);
    if (value == old)
        return false;
    m_undo.push(new EditEntryCell(*this, position, column, old, value));
    return true;
}

int NameList::addEntry(int after) {
    const int position = std::clamp(after + 1, 0, count());
    m_undo.push(new AddEntry(*this, position));
    return position;
}

bool NameList::removeEntries(const QList<int> &given) {
    const QList<int> positions = ascending(given, count());
    if (positions.isEmpty())
        return false;
    m_undo.push(new RemoveEntries(*this, positions));
    return true;
}

bool NameList::swapSeats(int first, int second) {
    if (first == second || first < 0 || second < 0 || first >= count() || second >= count() ||
        m_entries[first].id == m_entries[second].id)
        return false;
    m_undo.push(new SwapSeats(*this, first, second));
    return true;
}

bool NameList::moveEntries(const QList<int> &given, int delta) {
    const QList<int> positions = ascending(given, count());
    if (positions.isEmpty() || (delta != 1 && delta != -1))
        return false;
    if ((delta < 0 && positions.first() <= 0) || (delta > 0 && positions.last() >= count() - 1))
        return false;
    m_undo.push(new MoveEntries(*this, positions, delta));
    return true;
}

void NameList::recordReplace(QList<NameRecord> before, const QString &beforePath) {
    m_undo.push(new ReplaceList(*this, {std::move(before), beforePath}, {m_entries, m_filePath}));
}

void NameList::recordImport(const QList<NameRecord> &before, const QString &beforePath,
                            const QString &path, bool complete) {
    const bool changed = m_entries != before;
    if (changed || complete) {
        setFilePath(complete ? path : QString());
        if (changed || beforePath != m_filePath)
            recordReplace(before, beforePath);
    }
    m_undo.setClean();
}

void NameList::setFilePath(const QString &path) {
    if (path == m_filePath)
        return;
    m_filePath = path;
    emit filePathChanged();
}

void NameList::setCell(int position, int column, const QString &text) {
    *field(m_entries[position], column) = text;
    const QModelIndex cell = index(position, column);
    emit dataChanged(cell, cell);
    if (column == ColId)
        refreshWarnings();
}

void NameList::insertEntries(const QList<int> &positions, const QList<NameRecord> &records) {
    // Each run of neighbours goes in with one signal; earlier runs are already in place.
    qsizetype next = 0;
    for (const auto &[first, last] : runs(positions)) {
        beginInsertRows({}, first, last);
        for (int p = first; p <= last; ++p) {
            m_entries.insert(p, records[next++]);
            m_warnings.insert(p, QString());
        }
        endInsertRows();
    }
    renumberFrom(positions.first());
    refreshWarnings();
}

QList<NameRecord> NameList::takeEntries(const QList<int> &positions) {
    QList<NameRecord> taken;
    const QList<std::pair<int, int>> spans = runs(positions);
    // From the back, so that the runs still ahead keep their positions.
    for (auto it = spans.crbegin(); it != spans.crend(); ++it) {
        const auto [first, last] = *it;
        beginRemoveRows({}, first, last);
        taken = m_entries.mid(first, last - first + 1) + taken;
        m_entries.remove(first, last - first + 1);
        m_warnings.remove(first, last - first + 1);
        endRemoveRows();
    }
    renumberFrom(positions.first());
    refreshWarnings();
    return taken;
}

void NameList::moveEntry(int from, int to) {
    beginMoveRows({}, from, from, {}, to > from ? to + 1 : to);
    m_entries.move(from, to);
    m_warnings.move(from, to);
    endMoveRows();
}

void NameList::shiftEntries(const QList<int> &positions, int delta) {
    // A run of neighbours moves by taking the entry beside it to its other end.
    for (const auto &[first, last] : runs(positions)) {
        if (delta > 0)
            moveEntry(last + 1, first);
        else
            moveEntry(first - 1, last);
    }
    renumberFrom(std::max(0, positions.first() + std::min(delta, 0)));
    refreshWarnings();
}

void NameList::replaceEntries(QList<NameRecord> records) {
    beginResetModel();
    m_entries = std::move(records);
    m_warnings = idWarnings(m_entries);
    m_overflow.clear();
    endResetModel();
}

void NameList::renumberFrom(int position) {
    int last = -1;
    for (int i = position; i < count(); ++i) {
        if (m_entries[i].seq != i + 1) {
            m_entries[i].seq = i + 1;
            last = i;
        }
    }
    if (last >= 0)
        emit dataChanged(index(position, ColSeq), index(last, ColSeq));
}

void NameList::refreshWarnings() {
    const QStringList now = idWarnings(m_entries);
    for (int i = 0; i < count(); ++i) {
        if (now[i] != m_warnings.value(i)) {
            m_warnings[i] = now[i];
            const QModelIndex cell = index(i, ColId);
            emit dataChanged(cell, cell,
                             {Qt::DecorationRole, Qt::ToolTipRole, Qt::AccessibleTextRole,
                              Qt::AccessibleDescriptionRole});
        }
    }
}

QString NameList::cellText(const NameRecord &entry, int column) {
    switch (column) {
    case ColSeq:
        return QString::number(entry.seq);
    case ColId:
        return entry.id;
    case ColOrganisation:
        return entry.organisation;
    case ColName:
        return entry.name;
    case ColTitle:
        return entry.title;
    default:
        return {};
    }
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
    const NameRecord &e = m_entries.at(index.row());
    switch (role) {
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::DisplayRole:
    case Qt::EditRole:
        return cellText(e, index.column());
    default:
        break;
    }
    // The 序号 cell carries the mark of texts that overflow the entry's picture.
    if (index.column() == ColSeq) {
        const quint8 rows = overflowRows(index.row());
        if (rows == 0)
            return {};
        switch (role) {
        case Qt::DecorationRole:
            return QColor(Qt::red);
        case Qt::ToolTipRole:
        case Qt::AccessibleDescriptionRole:
            return texts::overflowMark(rows);
        case Qt::AccessibleTextRole:
            return QString::number(e.seq) + u' ' + texts::overflowMark(rows);
        default:
            return {};
        }
    }
    // The ID cell carries the warning.
    const QString &warning = m_warnings.at(index.row());
    if (index.column() != ColId || warning.isEmpty())
        return {};
    switch (role) {
    case Qt::DecorationRole:
        return m_warningIcon;
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        return warning;
    case Qt::AccessibleTextRole:
        // The value stays readable in front of the reason.
        return e.id.isEmpty() ? warning : e.id + u' ' + warning;
    default:
        return {};
    }
}

bool NameList::setData(const QModelIndex &index, const QVariant &value, int role) {
    if (role != Qt::EditRole || !index.isValid())
        return false;
    editCell(index.row(), index.column(), value.toString());
    return true;
}

Qt::ItemFlags NameList::flags(const QModelIndex &index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() != ColSeq)
        f |= Qt::ItemIsEditable;
    return f;
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
