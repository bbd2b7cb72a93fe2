#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace delvora {

class CUdpSocket;
class NameList;
struct PlateReply;
enum class PlateState;

// The online list, grown into the plate board: the plates that answered since the last
// discovery sweep, one row per address in the order they first answered, with the columns ID,
// IP, 名字 (the name-list entry with that plate ID) and 状态 (online, offline, the progress and
// result of its picture, or not in the name list). Rows whose plates carry the same ID are
// marked. Selecting a row copies its ID into the ID edit.
class OnlinePlates : public QObject {
    Q_OBJECT
public:
    explicit OnlinePlates(QObject *parent = nullptr);

    enum Column { ColumnId, ColumnIp, ColumnName, ColumnState, ColumnCount };

    // Takes over the list and the ID edit of the main window; the list gets its four columns.
    void Attach(QTreeWidget *list, QLineEdit *idEdit);
    // The name list that the 名字 column follows, through every later change of it.
    void setNameList(const NameList *names);

    // Clears the list and probes every other host of the local /24 prefix; returns the
    // addresses probed. Without a local address nothing is sent and the operator is told to
    // choose an adapter.
    QStringList DetectPlates(CUdpSocket &socket, const QString &localIp, const QString &netPrefix,
                             QWidget *owner);
    // Lists the answering plate: its row is updated (its ID too), or a new last row added.
    void OnPlateReply(const PlateReply &reply);
    // Shows the progress or result of a picture delivery in the plate's row.
    void SetPlateState(const QString &address, delvora::PlateState state, int percent);
    // The address of the plate with this ID text; of several matching rows the one that
    // answered last wins. Empty when the plate is not listed.
    QString FindPlateIp(const QString &plateId) const;
    // The addresses on the board, first row first.
    QStringList Addresses() const;
    int RowCount() const;

    // The row the operator selected last (kept even when it was deselected since), or -1.
    int SelectionMark() const;
    // The row at the selection mark for a command on one plate; without a mark the operator
    // is asked to select a plate first and -1 returned.
    int MarkedRow(QWidget *owner) const;
    // The selected rows, first to last.
    QList<int> SelectedRows() const;
    // The plate ID text and the address text of a row.
    QString RowId(int row) const;
    QString RowIp(int row) const;

private:
    void OnItemChanged();
    QTreeWidgetItem *RowOf(const QString &address) const;
    // Writes the 名字 and 状态 cells, the mark and the tooltips of a row.
    void ShowRow(QTreeWidgetItem *row) const;
    void RefreshNames();
    void RefreshRows();

    QTreeWidget *m_list = nullptr;
    QLineEdit *m_idEdit = nullptr;
    bool m_bMarkSet = false; // an operator selection happened since the list was cleared
    bool m_bClearing = false;
    QPointer<const NameList> m_names;
    QHash<QString, QString> m_nameOfId; // plate ID text -> name of the first entry with it
    quint64 m_answers = 0;              // answers so far; orders the rows by their last answer
};

} // namespace delvora
