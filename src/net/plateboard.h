#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>

#include "net/platestate.h"

namespace delvora {

class NameList;

// The rows of the plate board: the plates that answered since the last sweep, one row per
// address in the order they first answered, with the columns ID, IP, 名字 (the name of the
// first name-list entry with that plate ID) and 状态 (online, offline, the progress and result
// of its picture, or not in the name list). Rows whose plates carry the same ID are marked
// "ID重复", naming the other addresses in the tooltip and the accessible text.
class PlateBoard : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { ColumnId, ColumnIp, ColumnName, ColumnState, ColumnCount };

    explicit PlateBoard(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The name list that the 名字 column follows, through every later change of it.
    void setNameList(const NameList *names);

    // Empties the board for a new sweep.
    void clear();
    // An answer of the plate at `address`: its row takes the ID (and an offline plate is
    // online again), or a new last row is added.
    void answer(const QString &address, const QString &plateId);
    // The progress or result of a picture delivery to the plate at `address`, if listed.
    void setState(const QString &address, PlateState state, int percent);

    // The address of the plate with this ID text; of several matching rows the one that
    // answered last wins. Empty when the plate is not listed.
    QString findAddress(const QString &plateId) const;
    // Every listed ID with the address findAddress() gives for it, as it is now.
    QHash<QString, QString> addressesById() const;
    // The addresses on the board, first row first.
    QStringList addresses() const;
    QString plateId(int row) const;
    QString address(int row) const;

private:
    // What a row shows besides its ID and address, derived from its state, the name list
    // and the other rows.
    struct Shown {
        QString id;
        QString name;
        QString state; // the 状态 cell
        QString full;  // the 状态 cell with the other addresses of its ID: tooltip, readout
        QColor mark;
        bool greyed = false;
        bool operator==(const Shown &) const = default;
    };
    struct Row {
        QString address;
        QString id;
        PlateState state = PlateState::Online;
        int percent = 0;
        QString time;       // when it took its last picture
        quint64 answer = 0; // number of its last answer
        Shown shown;
    };

    int rowOf(const QString &address) const;
    Shown shownOf(const Row &row, const QHash<QString, QStringList> &addressesOfId) const;
    // Recomputes what every row shows and reports the cells that changed.
    void refresh();
    void refreshNames();

    QList<Row> m_rows;
    QHash<QString, int> m_rowOfAddress;
    QPointer<const NameList> m_names;
    QHash<QString, QString> m_nameOfId; // plate ID text -> name of the first entry with it
    quint64 m_answers = 0;              // answers so far; orders the rows by their last answer
};

} // namespace delvora
