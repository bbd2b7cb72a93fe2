#pragma once

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QString>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionViewItem>
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

// The width a cell needs to show its mark and text whole, as the view's delegate draws it.
inline int listCellNeeds(const QAbstractItemView *view, int row, int column) {
    const QModelIndex cell = view->model()->index(row, column);
    QStyleOptionViewItem option;
    option.initFrom(view);
    const int icon = view->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, view);
    option.decorationSize = view->iconSize().isValid() ? view->iconSize() : QSize(icon, icon);
    return view->itemDelegateForIndex(cell)->sizeHint(option, cell).width();
}

// Adds a whole row to the selection, as a Ctrl+click would without moving the current row.
inline void selectListRow(QAbstractItemView *view, int row) {
    view->selectionModel()->select(view->model()->index(row, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

} // namespace delvora::test
