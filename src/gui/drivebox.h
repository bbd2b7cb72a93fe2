#pragma once

#include <QString>
#include <optional>

class QComboBox;
class QWidget;

namespace delvora {

// Fills the drive box under the drive list's rules, each entry keeping its root and its whole
// description (the full text, or the mount path), and chooses the volume the rules prefer. The
// box stays as narrow as the window places it, so its list opens as wide as its longest entry
// and the chosen entry's whole description is the box's tooltip and accessible description.
void fillDriveList(QComboBox *box);

// Brings the box up to date with the volumes there now. The operator's choice stays while its
// volume does (a typed folder always); with nothing chosen, the preferred volume becomes the
// choice if it has just been mounted.
void refreshDriveList(QComboBox *box);

// Where volumes come and go at mount points, refreshes the box whenever its window becomes
// active and every `intervalMs` while it is; a list of drive letters stays as it was filled.
void followDrives(QComboBox *box, int intervalMs = 2000);

// The folder the USB commands write into: the chosen entry's root, or a typed path that names
// an existing folder. Without either, shows "请选择U盘！" and gives nothing; when the chosen
// volume is no longer mounted, says that nothing can be written there and gives nothing.
std::optional<QString> selectedDriveRoot(const QComboBox *box, QWidget *owner);

} // namespace delvora
