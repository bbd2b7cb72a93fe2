#pragma once

#include <QAbstractItemModel>
#include <QStringList>

// What a list shows, one line per entry, cells joined by "|".
inline QStringList listLines(const QAbstractItemModel &model) {
    QStringList out;
    for (int r = 0; r < model.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < model.columnCount(); ++c)
            cells << model.index(r, c).data().toString();
        out << cells.join(u'|');
    }
    return out;
}
