#pragma once

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace delvora::test {

// What a list view shows, read through its model.
inline int listRows(const QAbstractItemView *view) {
    return view->model()->rowCount();
}

inline QVariant listCell(const QAbstractItemView *view, int row, int column,
                         int role = Qt::DisplayRole) {
    const QAbstractItemModel *model = view->model();
    return model->data(model->index(row, column), role);
}

inline QString listText(const QAbstractItemView *view, int row, int column) {
    return listCell(view, row, column).toString();
}

// Each row's first two cells (ID and address on the plate board) joined by `separator`.
inline QStringList listPairs(const QAbstractItemView *view, QChar separator = QLatin1Char(' ')) {
    QStringList out;
    for (int i = 0; i < listRows(view); ++i)
        out << listText(view, i, 0) + separator + listText(view, i, 1);
    return out;
}

// Adds a whole row to the selection, as a Ctrl+click would without moving the current row.
inline void selectListRow(QAbstractItemView *view, int row) {
    view->selectionModel()->select(view->model()->index(row, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

} // namespace delvora::test
