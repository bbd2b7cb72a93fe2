#include "gui/onlineplates.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QTreeView>

#include "gui/markedcellwidth.h"
#include "gui/prompt.h"
#include "net/nettexts.h"
#include "net/platereply.h"
#include "net/platesweep.h"

namespace delvora {

OnlinePlates::OnlinePlates(QObject *parent) : QObject(parent) {}

void OnlinePlates::attach(QTreeView *list, QLineEdit *idEdit) {
    m_list = list;
    m_idEdit = idEdit;
    m_list->setModel(&m_board);
    // At the smallest window the 状态 column starts in view; a larger window shows it whole.
    // The ID cell holds the state mark and an ID of up to four digits.
    QHeaderView *header = m_list->header();
    header->resizeSection(PlateBoard::ColumnId, markedCellWidth(m_list));
    header->resizeSection(PlateBoard::ColumnIp, 95);
    header->resizeSection(PlateBoard::ColumnName, 50);
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection &selected) {
                if (!selected.isEmpty())
                    m_markSet = true;
                onItemChanged();
            });
    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &OnlinePlates::onItemChanged);
}

QStringList OnlinePlates::detectPlates(PlateSocket &socket, const QString &localIp,
                                       const QString &netPrefix, QWidget *owner) {
    {
        // Clearing is no item change the operator made: the ID edit keeps its text.
        const QScopedValueRollback<bool> clearing(m_clearing, true);
        m_board.clear();
        m_markSet = false;
    }
    const std::optional<QStringList> probed = sweepPlates(socket, localIp, netPrefix);
    if (!probed) {
        Prompt::warning(owner, nettexts::noLocalAddress());
        return {};
    }
    return *probed;
}

void OnlinePlates::setNameList(const NameList *names) {
    m_board.setNameList(names);
}

void OnlinePlates::onPlateReply(const PlateReply &reply) {
    m_board.answer(reply.sender.toString(), QString::number(reply.plateId));
}

void OnlinePlates::setPlateState(const QString &address, PlateState state, int percent) {
    m_board.setState(address, state, percent);
}

QString OnlinePlates::findPlateIp(const QString &plateId) const {
    return m_board.findAddress(plateId);
}

int OnlinePlates::selectionMark() const {
    const QModelIndex current = m_list->selectionModel()->currentIndex();
    if (!m_markSet || !current.isValid())
        return -1;
    return current.row();
}

int OnlinePlates::markedRow(QWidget *owner) const {
    const int mark = selectionMark();
    if (mark < 0)
        Prompt::plain(owner, nettexts::selectPlateToChange());
    return mark;
}

QList<int> OnlinePlates::selectedRows() const {
    QList<int> rows;
    const QItemSelectionModel *selection = m_list->selectionModel();
    const int count = m_board.rowCount();
    for (int i = 0; i < count; ++i) {
        if (selection->isSelected(m_board.index(i, PlateBoard::ColumnId)))
            rows << i;
    }
    return rows;
}

QString OnlinePlates::rowId(int row) const {
    return m_board.plateId(row);
}

QString OnlinePlates::rowIp(int row) const {
    return m_board.address(row);
}

void OnlinePlates::onItemChanged() {
    if (m_clearing)
        return;
    const int mark = selectionMark();
    m_idEdit->setText(mark < 0 ? QString() : m_board.plateId(mark));
}

} // namespace delvora
