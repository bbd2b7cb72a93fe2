#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class QLineEdit;
class QTreeWidget;
class QWidget;

namespace delvora {

class CUdpSocket;
struct PlateReply;

// The online list: the plates that answered the last discovery sweeps, one row each with the
// plate ID and its address, in the order the answers arrived. Selecting a row copies its ID
// into the ID edit.
class OnlinePlates : public QObject {
    Q_OBJECT
public:
    explicit OnlinePlates(QObject *parent = nullptr);

    // Takes over the list and the ID edit of the main window; the list must already have its
    // two columns.
    void Attach(QTreeWidget *list, QLineEdit *idEdit);

    // Clears the list and probes every other host of the local /24 prefix; returns the
    // addresses probed. Without a local address nothing is sent and the operator is told to
    // choose an adapter.
    QStringList DetectPlates(CUdpSocket &socket, const QString &localIp, const QString &netPrefix,
                             QWidget *owner);
    // Appends the answering plate as the last row.
    void OnPlateReply(const PlateReply &reply);
    // The address of the plate with this ID text; of several matching rows the last one
    // wins. Empty when the plate is not listed.
    QString FindPlateIp(const QString &plateId) const;

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

    QTreeWidget *m_list = nullptr;
    QLineEdit *m_idEdit = nullptr;
    bool m_bMarkSet = false; // an operator selection happened since the list was cleared
    bool m_bClearing = false;
};

} // namespace delvora
