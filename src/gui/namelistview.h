#pragma once

class QTreeView;

namespace delvora {

class NameList;

// Puts the name list into its list view: the five columns at their widths, with the list's
// own selection so that the commands see what the operator selected.
void attachNameList(QTreeView *view, NameList &list);

} // namespace delvora
