#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <QItemSelectionModel>
#include <QList>
#include <QStringList>
#include <QUndoStack>

#include "namelist/namerecord.h"

namespace delvora {

// The name list: the entries in the order the plates are updated and exported, addressed by
// position (序号 is the position). It is the model behind the list 名单 and owns that view's
// selection, so the commands that walk the list can ask for the first selected entry without
// the view. Every change the operator makes (and every import) is one step of undoStack().
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
    // The selected positions, ascending.
    QList<int> selectedRows() const;
    // Why the entry's plate ID is doubtful, empty when it is fine.
    QString warning(int position) const { return m_warnings.value(position); }

    void clear();
    void append(QList<NameRecord> records);

    QItemSelectionModel *selectionModel() { return &m_selection; }
    QUndoStack *undoStack() { return &m_undo; }

    // The file the list was read from or last saved to; empty for a list of its own.
    QString filePath() const { return m_filePath; }
    void setFilePath(const QString &path);

    // The operator's edits, each one undo step. editCell applies the plate ID rule to an ID;
    // the others return false when they change nothing.
    bool editCell(int position, int column, const QString &text);
    int addEntry(int after); // the new entry's position
    bool removeEntries(const QList<int> &positions);
    bool swapSeats(int first, int second);
    bool moveEntries(const QList<int> &positions, int delta);
    // The list was replaced (by an import) from `before` of `beforePath`; makes that one undo
    // step, which also brings back the file the list belongs to.
    void recordReplace(QList<NameRecord> before, const QString &beforePath);
    // An import of `path` replaced the list that was `before` of `beforePath`: one undo step
    // when anything changed. A complete import makes the list that file's; a broken one leaves a
    // list of its own (saving a partly read list over its file would lose the rest). Either way
    // the list then counts as unchanged: the operator edited nothing.
    void recordImport(const QList<NameRecord> &before, const QString &beforePath,
                      const QString &path, bool complete);

    // The changes the edit commands are made of, each with its model signals.
    void setCell(int position, int column, const QString &text);
    // Positions are ascending; insertEntries takes the positions the entries will have.
    void insertEntries(const QList<int> &positions, const QList<NameRecord> &records);
    QList<NameRecord> takeEntries(const QList<int> &positions);
    // Moves the entries at the positions one step by `delta` (+1 or -1).
    void shiftEntries(const QList<int> &positions, int delta);
    void replaceEntries(QList<NameRecord> records);

    static QString cellText(const NameRecord &entry, int column);
    // The mark of an ID with a warning, as the view's style draws warnings; none by default.
    void setWarningIcon(const QIcon &icon) { m_warningIcon = icon; }
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
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

signals:
    void filePathChanged();

private:
    void moveEntry(int from, int to);
    void renumberFrom(int position);
    void refreshWarnings();

    QList<NameRecord> m_entries;
    QStringList m_warnings; // one per entry
    QItemSelectionModel m_selection;
    QUndoStack m_undo;
    QString m_filePath;
    QList<quint8> m_overflow;
    QIcon m_warningIcon;
};

} // namespace delvora
