#include "net/onlineplates.h"

#include <QLineEdit>
#include <QScopedValueRollback>
#include <QTreeWidget>

#include "common/prompt.h"
#include "net/nettexts.h"
#include "net/platedatagrams.h"
#include "net/platereply.h"
#include "net/udpsocket.h"

namespace delvora {

OnlinePlates::OnlinePlates(QObject *parent) : QObject(parent) {}

void OnlinePlates::Attach(QTreeWidget *list, QLineEdit *idEdit) {
    m_list = list;
    m_idEdit = idEdit;
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

void OnlinePlates::OnPlateReply(const PlateReply &reply) {
    auto *row = new QTreeWidgetItem(m_list);
    row->setText(0, QString::number(reply.plateId));
    row->setText(1, reply.sender.toString());
}

QString OnlinePlates::FindPlateIp(const QString &plateId) const {
    QString address;
    const int count = m_list->topLevelItemCount();
    for (int i = 0; i < count; ++i) {
        const QTreeWidgetItem *row = m_list->topLevelItem(i);
        if (row->text(0) == plateId)
            address = row->text(1);
    }
    return address;
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
