#include "net/plateboard.h"

#include <QBrush>
#include <QTime>

#include "namelist/namelist.h"
#include "net/nettexts.h"

namespace delvora {

namespace {
QString stateText(PlateState state, int percent, const QString &time) {
    switch (state) {
    case PlateState::Online:
        return nettexts::stateOnline();
    case PlateState::Offline:
        return nettexts::stateOffline();
    case PlateState::Updating:
        return nettexts::stateUpdating(percent);
    case PlateState::Updated:
        return nettexts::stateUpdated(time);
    case PlateState::NotConnected:
        return nettexts::stateNotConnected();
    case PlateState::TransferFailed:
        return nettexts::stateTransferFailed();
    case PlateState::NotListed:
        return nettexts::stateNotListed();
    }
    return {};
}

QColor stateColour(PlateState state) {
    switch (state) {
    case PlateState::Online:
        return QColor(0x2e, 0xa0, 0x43);
    case PlateState::Offline:
        return QColor(0x9e, 0x9e, 0x9e);
    case PlateState::Updating:
        return QColor(0x1e, 0x6f, 0xd9);
    case PlateState::Updated:
        return QColor(0x1b, 0x5e, 0x20);
    case PlateState::NotConnected:
        return QColor(0xef, 0x8a, 0x00);
    case PlateState::TransferFailed:
        return QColor(0xd3, 0x2f, 0x2f);
    case PlateState::NotListed:
        return QColor(0xf9, 0xd2, 0x3c);
    }
    return {};
}
} // namespace

PlateBoard::PlateBoard(QObject *parent) : QAbstractTableModel(parent) {}

int PlateBoard::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int PlateBoard::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PlateBoard::data(const QModelIndex &index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Row &row = m_rows.at(index.row());
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        switch (column) {
        case ColumnId:
            return row.shown.id;
        case ColumnIp:
            return row.address;
        case ColumnName:
            return row.shown.name;
        case ColumnState:
            return row.shown.state;
        }
        break;
    case Qt::ToolTipRole:
        if (column == ColumnId || column == ColumnState)
            return row.shown.full;
        break;
    case Qt::AccessibleTextRole:
        if (column == ColumnState)
            return row.shown.full;
        break;
    case Qt::AccessibleDescriptionRole:
        // The ID cell's mark says the same as the 状态 cell.
        if (column == ColumnId)
            return row.shown.full;
        break;
    case Qt::DecorationRole:
        if (column == ColumnId)
            return row.shown.mark;
        break;
    case Qt::ForegroundRole:
        if (row.shown.greyed)
            return QBrush(stateColour(PlateState::Offline));
        break;
    default:
        break;
    }
    return {};
}

QVariant PlateBoard::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case ColumnId:
        return QStringLiteral("ID");
    case ColumnIp:
        return QStringLiteral("IP");
    case ColumnName:
        return nettexts::columnName();
    case ColumnState:
        return nettexts::columnState();
    }
    return {};
}

void PlateBoard::setNameList(const NameList *names) {
    if (m_names)
        m_names->disconnect(this);
    m_names = names;
    if (names) {
        // Imports reset the list; edits change, add or remove rows.
        connect(names, &QAbstractItemModel::modelReset, this, &PlateBoard::refreshNames);
        connect(names, &QAbstractItemModel::dataChanged, this, &PlateBoard::refreshNames);
        connect(names, &QAbstractItemModel::rowsInserted, this, &PlateBoard::refreshNames);
        connect(names, &QAbstractItemModel::rowsRemoved, this, &PlateBoard::refreshNames);
        connect(names, &QAbstractItemModel::rowsMoved, this, &PlateBoard::refreshNames);
    }
    refreshNames();
}

void PlateBoard::refreshNames() {
    m_nameOfId.clear();
    if (m_names) {
        const int count = m_names->count();
        for (int i = 0; i < count; ++i) {
            const NameRecord &entry = m_names->at(i);
            if (!m_nameOfId.contains(entry.id))
                m_nameOfId.insert(entry.id, entry.name);
        }
    }
    refresh();
}

void PlateBoard::clear() {
    beginResetModel();
    m_rows.clear();
    m_rowOfAddress.clear();
    endResetModel();
}

void PlateBoard::answer(const QString &address, const QString &plateId) {
    int index = rowOf(address);
    if (index < 0) {
        Row row;
        row.address = address;
        row.id = plateId;
        row.answer = ++m_answers;
        // It comes with its texts; the marks of rows that share its ID follow below.
        row.shown = shownOf(row, {});
        index = int(m_rows.size());
        beginInsertRows({}, index, index);
        m_rows.append(row);
        m_rowOfAddress.insert(address, index);
        endInsertRows();
        refresh();
        return;
    }
    Row &row = m_rows[index];
    row.answer = ++m_answers;
    // An answer brings an offline plate back; a delivery's result stays in view.
    if (row.state == PlateState::Offline)
        row.state = PlateState::Online;
    row.id = plateId;
    refresh();
}

void PlateBoard::setState(const QString &address, PlateState state, int percent) {
    const int index = rowOf(address);
    if (index < 0)
        return;
    Row &row = m_rows[index];
    row.state = state;
    row.percent = percent;
    if (state == PlateState::Updated)
        row.time = QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
    refresh();
}

int PlateBoard::rowOf(const QString &address) const {
    return m_rowOfAddress.value(address, -1);
}

PlateBoard::Shown PlateBoard::shownOf(const Row &row,
                                      const QHash<QString, QStringList> &addressesOfId) const {
    QStringList sameId = addressesOfId.value(row.id);
    sameId.removeOne(row.address);
    PlateState state = row.state;
    if (state == PlateState::Online && m_names && !m_nameOfId.contains(row.id))
        state = PlateState::NotListed;
    Shown shown;
    shown.id = row.id;
    shown.name = m_nameOfId.value(row.id);
    shown.state = stateText(state, row.percent, row.time);
    shown.full = shown.state;
    if (!sameId.isEmpty()) {
        shown.state += QLatin1Char(' ') + nettexts::duplicateId();
        shown.full = shown.state + QStringLiteral("：") + sameId.join(QStringLiteral(", "));
    }
    shown.mark = sameId.isEmpty() ? stateColour(state) : stateColour(PlateState::TransferFailed);
    shown.greyed = state == PlateState::Offline;
    return shown;
}

void PlateBoard::refresh() {
    QHash<QString, QStringList> addressesOfId;
    for (const Row &row : std::as_const(m_rows))
        addressesOfId[row.id] << row.address;
    for (int i = 0; i < m_rows.size(); ++i) {
        Row &row = m_rows[i];
        const Shown shown = shownOf(row, addressesOfId);
        if (shown == row.shown)
            continue;
        const Shown was = std::exchange(row.shown, shown);
        if (was.greyed != shown.greyed) {
            emit dataChanged(index(i, 0), index(i, ColumnCount - 1));
            continue;
        }
        if (was.id != shown.id || was.full != shown.full || was.mark != shown.mark)
            emit dataChanged(index(i, ColumnId), index(i, ColumnId));
        if (was.name != shown.name)
            emit dataChanged(index(i, ColumnName), index(i, ColumnName));
        if (was.state != shown.state || was.full != shown.full)
            emit dataChanged(index(i, ColumnState), index(i, ColumnState));
    }
}

QString PlateBoard::findAddress(const QString &plateId) const {
    QString address;
    quint64 latest = 0;
    for (const Row &row : m_rows) {
        if (row.id == plateId && (address.isEmpty() || row.answer >= latest)) {
            address = row.address;
            latest = row.answer;
        }
    }
    return address;
}

QHash<QString, QString> PlateBoard::addressesById() const {
    QHash<QString, QString> out;
    QHash<QString, quint64> latest;
    for (const Row &row : m_rows) {
        const auto seen = latest.constFind(row.id);
        if (seen == latest.cend() || row.answer >= *seen) {
            out.insert(row.id, row.address);
            latest.insert(row.id, row.answer);
        }
    }
    return out;
}

QStringList PlateBoard::addresses() const {
    QStringList out;
    out.reserve(m_rows.size());
    for (const Row &row : m_rows)
        out << row.address;
    return out;
}

QString PlateBoard::plateId(int row) const {
    return m_rows.at(row).id;
}

QString PlateBoard::address(int row) const {
    return m_rows.at(row).address;
}

} // namespace delvora
