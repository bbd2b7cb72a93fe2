#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include "net/plateboard.h"

class QLineEdit;
class QTreeView;
class QWidget;

namespace delvora {

class PlateSocket;
class NameList;
struct PlateReply;

// The online list: the sweep that fills the plate board (its rows are a `PlateBoard`), the
// board's view in the main window and the operator's selection on it. Selecting a row copies
// its ID into the ID edit.
class OnlinePlates : public QObject {
    Q_OBJECT
public:
    explicit OnlinePlates(QObject *parent = nullptr);

    // Takes over the list and the ID edit of the main window; the list shows the board.
    void attach(QTreeView *list, QLineEdit *idEdit);
    // The name list that the 名字 column follows, through every later change of it.
    void setNameList(const NameList *names);

    // Clears the list and probes every other host of the local /24 prefix; returns the
    // addresses probed. Without a local address nothing is sent and the operator is told to
    // choose an adapter.
    QStringList detectPlates(PlateSocket &socket, const QString &localIp, const QString &netPrefix,
                             QWidget *owner);
    // Lists the answering plate: its row is updated (its ID too), or a new last row added.
    void onPlateReply(const PlateReply &reply);
    // Shows the progress or result of a picture delivery in the plate's row.
    void setPlateState(const QString &address, delvora::PlateState state, int percent);
    // The address of the plate with this ID text; of several matching rows the one that
    // answered last wins. Empty when the plate is not listed.
    QString findPlateIp(const QString &plateId) const;

    // The row the operator selected last (kept even when it was deselected since), or -1.
    int selectionMark() const;
    // The row at the selection mark for a command on one plate; without a mark the operator
    // is asked to select a plate first and -1 returned.
    int markedRow(QWidget *owner) const;
    // The selected rows, first to last.
    QList<int> selectedRows() const;
    // The plate ID text and the address text of a row.
    QString rowId(int row) const;
    QString rowIp(int row) const;

    PlateBoard &board() { return m_board; }
    const PlateBoard &board() const { return m_board; }

private:
    void onItemChanged();

    PlateBoard m_board;
    QTreeView *m_list = nullptr;
    QLineEdit *m_idEdit = nullptr;
    bool m_markSet = false; // an operator selection happened since the list was cleared
    bool m_clearing = false;
};

} // namespace delvora
