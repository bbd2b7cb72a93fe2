#include "gui/namelistview.h"

#include <QHeaderView>
#include <QStyle>
#include <QTreeView>
#include <algorithm>

#include "gui/markedcellwidth.h"
#include "namelist/namelist.h"

namespace delvora {

void attachNameList(QTreeView *view, NameList &list) {
    list.setWarningIcon(view->style()->standardIcon(QStyle::SP_MessageBoxWarning));
    view->setModel(&list);
    QItemSelectionModel *own = view->selectionModel();
    view->setSelectionModel(list.selectionModel());
    delete own;
    for (int c = 0; c < NameList::ColumnCount; ++c)
        view->header()->resizeSection(c, NameList::columnWidth(c));
    // The ID cell may carry a warning mark beside the ID: both stay readable.
    view->header()->resizeSection(
        NameList::ColId, std::max(NameList::columnWidth(NameList::ColId), markedCellWidth(view)));
}

} // namespace delvora
