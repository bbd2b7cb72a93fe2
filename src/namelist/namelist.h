#pragma once

#include <QAbstractTableModel>
#include <QItemSelectionModel>
#include <QList>

#include "namelist/namerecord.h"

namespace delvora {

// The name list: the entries of the last import, in sheet order, addressed by position. It is
// the model behind list view 1002 and owns that view's selection, so the commands that walk
// the list can ask for the first selected entry without the view.
class NameList : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { ColSeq, ColId, ColOrganisation, ColName, ColTitle, ColumnCount };

    explicit NameList(QObject *parent = nullptr);

    int count() const { return int(m_entries.size()); }
    const NameRecord &at(int position) const { return m_entries.at(position); }
    // A copy for work that runs beside the window; cheap, the entries are shared.
    QList<NameRecord> entries() const { return m_entries; }
    // The lowest selected position, or -1 when no line is selected.
    int firstSelected() const;

    void clear();
    void append(QList<NameRecord> records);

    QItemSelectionModel *selectionModel() { return &m_selection; }

    // Which rows of each entry's picture overflow their box (bit i for row i), worked out
    // elsewhere; shown as a mark in the 序号 cell. Entries beyond the list are unmarked.
    void setOverflowRows(QList<quint8> rows);
    quint8 overflowRows(int position) const {
        return position < m_overflow.size() ? m_overflow.at(position) : 0;
    }

    // Column width in pixels as the list view shows it.
    static int columnWidth(int column);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QList<NameRecord> m_entries;
    QItemSelectionModel m_selection;
    QList<quint8> m_overflow;
};

} // namespace delvora
