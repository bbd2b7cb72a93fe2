#pragma once

class QAbstractItemView;

namespace delvora {

// The width of a list column whose cells hold a mark (a small icon) beside a number of up to
// four digits, as the plate ID cells do: enough to show both whole in this view's font.
int markedCellWidth(const QAbstractItemView *view);

} // namespace delvora
