#include "namelist/namelistview.h"

#include <QHeaderView>
#include <QTreeView>

#include "namelist/namelist.h"

namespace delvora {

void AttachNameList(QTreeView *view, NameList &list) {
    view->setModel(&list);
    QItemSelectionModel *own = view->selectionModel();
    view->setSelectionModel(list.selectionModel());
    delete own;
    for (int c = 0; c < NameList::ColumnCount; ++c)
        view->header()->resizeSection(c, NameList::columnWidth(c));
}

} // namespace delvora
