#include "net/onlineplates.h"

#include <QColor>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QTime>
#include <QTreeWidget>

#include "common/prompt.h"
#include "namelist/namelist.h"
#include "net/nettexts.h"
#include "net/platedatagrams.h"
#include "net/platereply.h"
#include "net/platestate.h"
#include "net/udpsocket.h"

namespace delvora {

namespace {
// What a row keeps besides its texts, on its ID cell.
constexpr int kStateRole = Qt::UserRole;       // PlateState
constexpr int kPercentRole = Qt::UserRole + 1; // progress of its picture
constexpr int kTimeRole = Qt::UserRole + 2;    // when it took its last picture
constexpr int kAnswerRole = Qt::UserRole + 3;  // number of its last answer

QString StateText(PlateState state, int percent, const QString &time) {
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

QColor StateColour(PlateState state) {
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

OnlinePlates::OnlinePlates(QObject *parent) : QObject(parent) {}

void OnlinePlates::Attach(QTreeWidget *list, QLineEdit *idEdit) {
    m_list = list;
    m_idEdit = idEdit;
    if (m_list->columnCount() < ColumnCount)
        m_list->setColumnCount(ColumnCount);
    m_list->headerItem()->setText(ColumnName, nettexts::columnName());
    m_list->headerItem()->setText(ColumnState, nettexts::columnState());
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection &selected) {
                if (!selected.isEmpty())
                    m_bMarkSet = true;
                OnItemChanged();
            });
    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &OnlinePlates::OnItemChanged);
}

QStringList OnlinePlates::DetectPlates(CUdpSocket &socket, const QString &localIp,
                                       const QString &netPrefix, QWidget *owner) {
    {
        // Clearing is no item change the operator made: the ID edit keeps its text.
        const QScopedValueRollback<bool> clearing(m_bClearing, true);
        m_list->clear();
        m_bMarkSet = false;
    }
    if (!localIp.contains(QLatin1Char('.'))) {
        // Without a prefix the sweep would go to 0.0.0.1-254 and silently find nothing.
        Prompt::warning(owner, nettexts::noLocalAddress());
        return {};
    }
    const QByteArray hello = HelloDatagram();
    const QStringList addresses = SweepAddresses(netPrefix, localIp);
    for (const QString &address : addresses)
        socket.SendTo(hello, address);
    return addresses;
}

void OnlinePlates::setNameList(const NameList *names) {
    if (m_names)
        m_names->disconnect(this);
    m_names = names;
    if (names) {
        // Imports reset the list; edits change, add or remove rows.
        connect(names, &QAbstractItemModel::modelReset, this, &OnlinePlates::RefreshNames);
        connect(names, &QAbstractItemModel::dataChanged, this, &OnlinePlates::RefreshNames);
        connect(names, &QAbstractItemModel::rowsInserted, this, &OnlinePlates::RefreshNames);
        connect(names, &QAbstractItemModel::rowsRemoved, this, &OnlinePlates::RefreshNames);
        connect(names, &QAbstractItemModel::rowsMoved, this, &OnlinePlates::RefreshNames);
    }
    RefreshNames();
}

void OnlinePlates::RefreshNames() {
    m_nameOfId.clear();
    if (m_names) {
        const int count = m_names->count();
        for (int i = 0; i < count; ++i) {
            const NameRecord &entry = m_names->at(i);
            if (!m_nameOfId.contains(entry.m_strId))
                m_nameOfId.insert(entry.m_strId, entry.m_strName);
        }
    }
    RefreshRows();
}

void OnlinePlates::OnPlateReply(const PlateReply &reply) {
    const QString address = reply.sender.toString();
    QTreeWidgetItem *row = RowOf(address);
    if (!row) {
        row = new QTreeWidgetItem(m_list);
        row->setText(ColumnIp, address);
    }
    row->setText(ColumnId, QString::number(reply.plateId));
    row->setData(ColumnId, kAnswerRole, ++m_answers);
    // An answer brings an offline plate back; a delivery's result stays in view.
    const QVariant state = row->data(ColumnId, kStateRole);
    if (!state.isValid() || state.value<PlateState>() == PlateState::Offline)
        row->setData(ColumnId, kStateRole, QVariant::fromValue(PlateState::Online));
    RefreshRows();
}

void OnlinePlates::SetPlateState(const QString &address, PlateState state, int percent) {
    QTreeWidgetItem *row = RowOf(address);
    if (!row)
        return;
    row->setData(ColumnId, kStateRole, QVariant::fromValue(state));
    row->setData(ColumnId, kPercentRole, percent);
    if (state == PlateState::Updated)
        row->setData(ColumnId, kTimeRole,
                     QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
    RefreshRows();
}

QTreeWidgetItem *OnlinePlates::RowOf(const QString &address) const {
    const int count = m_list->topLevelItemCount();
    for (int i = 0; i < count; ++i) {
        if (m_list->topLevelItem(i)->text(ColumnIp) == address)
            return m_list->topLevelItem(i);
    }
    return nullptr;
}

void OnlinePlates::RefreshRows() {
    if (!m_list)
        return;
    const int count = m_list->topLevelItemCount();
    for (int i = 0; i < count; ++i)
        ShowRow(m_list->topLevelItem(i));
}

void OnlinePlates::ShowRow(QTreeWidgetItem *row) const {
    const QString id = row->text(ColumnId);
    QStringList sameId;
    const int count = m_list->topLevelItemCount();
    for (int i = 0; i < count; ++i) {
        const QTreeWidgetItem *other = m_list->topLevelItem(i);
        if (other != row && other->text(ColumnId) == id)
            sameId << other->text(ColumnIp);
    }
    auto state = row->data(ColumnId, kStateRole).value<PlateState>();
    if (state == PlateState::Online && m_names && !m_nameOfId.contains(id))
        state = PlateState::NotListed;
    QString text = StateText(state, row->data(ColumnId, kPercentRole).toInt(),
                             row->data(ColumnId, kTimeRole).toString());
    QString full = text;
    if (!sameId.isEmpty()) {
        text += QLatin1Char(' ') + nettexts::duplicateId();
        full = text + QStringLiteral("：") + sameId.join(QStringLiteral(", "));
    }
    const QString name = m_nameOfId.value(id);
    if (row->text(ColumnName) != name)
        row->setText(ColumnName, name);
    if (row->text(ColumnState) != text)
        row->setText(ColumnState, text);
    row->setData(ColumnState, Qt::AccessibleTextRole, full);
    row->setToolTip(ColumnState, full);
    row->setToolTip(ColumnId, full);
    row->setData(ColumnId, Qt::AccessibleDescriptionRole, full);
    row->setData(ColumnId, Qt::DecorationRole,
                 sameId.isEmpty() ? StateColour(state) : StateColour(PlateState::TransferFailed));
    const QBrush ink =
        state == PlateState::Offline ? QBrush(StateColour(PlateState::Offline)) : QBrush();
    for (int column = 0; column < ColumnCount; ++column) {
        if (row->foreground(column) != ink)
            row->setForeground(column, ink);
    }
}

QString OnlinePlates::FindPlateIp(const QString &plateId) const {
    QString address;
    quint64 latest = 0;
    const int count = m_list->topLevelItemCount();
    for (int i = 0; i < count; ++i) {
        const QTreeWidgetItem *row = m_list->topLevelItem(i);
        const quint64 answer = row->data(ColumnId, kAnswerRole).toULongLong();
        if (row->text(ColumnId) == plateId && (address.isEmpty() || answer >= latest)) {
            address = row->text(ColumnIp);
            latest = answer;
        }
    }
    return address;
}

QStringList OnlinePlates::Addresses() const {
    QStringList out;
    const int count = m_list->topLevelItemCount();
    for (int i = 0; i < count; ++i)
        out << m_list->topLevelItem(i)->text(ColumnIp);
    return out;
}

int OnlinePlates::RowCount() const {
    return m_list->topLevelItemCount();
}

int OnlinePlates::SelectionMark() const {
    if (!m_bMarkSet || !m_list->currentItem())
        return -1;
    return m_list->indexOfTopLevelItem(m_list->currentItem());
}

int OnlinePlates::MarkedRow(QWidget *owner) const {
    const int mark = SelectionMark();
    if (mark < 0)
        Prompt::plain(owner, nettexts::selectPlateToChange());
    return mark;
}

QList<int> OnlinePlates::SelectedRows() const {
    QList<int> rows;
    const int count = m_list->topLevelItemCount();
    for (int i = 0; i < count; ++i) {
        if (m_list->topLevelItem(i)->isSelected())
            rows << i;
    }
    return rows;
}

QString OnlinePlates::RowId(int row) const {
    return m_list->topLevelItem(row)->text(0);
}

QString OnlinePlates::RowIp(int row) const {
    return m_list->topLevelItem(row)->text(1);
}

void OnlinePlates::OnItemChanged() {
    if (m_bClearing)
        return;
    const int mark = SelectionMark();
    m_idEdit->setText(mark < 0 ? QString() : m_list->topLevelItem(mark)->text(0));
}

} // namespace delvora
