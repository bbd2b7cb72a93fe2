#include "gui/markedcellwidth.h"

#include <QAbstractItemView>
#include <QStyle>

namespace delvora {

int markedCellWidth(const QAbstractItemView *view) {
    const int icon = view->iconSize().isValid()
                         ? view->iconSize().width()
                         : view->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, view);
    // The rest covers the cell's margins and the gap between mark and text.
    return icon + view->fontMetrics().horizontalAdvance(QStringLiteral("9999")) + 20;
}

} // namespace delvora
