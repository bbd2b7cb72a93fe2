#pragma once

#include <QString>
#include <optional>

class QComboBox;
class QWidget;

namespace delvora {

// Fills the drive box, one entry per volume (the root kept with the entry), and selects the last.
// The box stays as narrow as the window places it, so its list opens as wide as its longest
// entry and the whole selected entry is its tooltip and accessible description.
void fillDriveList(QComboBox *box);

// The folder the USB commands write into: the selected entry's root, or a typed path that names
// an existing folder. Without either, shows "请选择U盘！" and gives nothing.
std::optional<QString> selectedDriveRoot(const QComboBox *box, QWidget *owner);

} // namespace delvora
