#pragma once

#include <QList>
#include <QString>
#include <optional>

class QComboBox;
class QWidget;

namespace delvora {

// A volume the operator can write plate files to.
struct DriveInfo {
    QString root; // the volume's root path, as the system names it (E:\ or /media/usb)
    qint64 totalBytes = 0;
};

// The volumes of the computer. Tests install their own list.
class DriveList {
public:
    virtual ~DriveList() = default;
    virtual QList<DriveInfo> drives() const = 0;

    static DriveList &instance();
    static void setInstance(DriveList *list);
};

// The mounted volumes that are valid and ready, in the order the system reports them.
class SystemDriveList : public DriveList {
public:
    QList<DriveInfo> drives() const override;
};

// "E:\(7.5 G)": the root followed by the capacity in GiB, computed in single precision as the
// program always has.
QString driveEntryText(const DriveInfo &drive);

// Fills the drive box, one entry per volume (the root kept with the entry), and selects the last.
// The box stays as narrow as the window places it, so its list opens as wide as its longest
// entry and the whole selected entry is its tooltip and accessible description.
void fillDriveList(QComboBox *box);

// The folder the USB commands write into: the selected entry's root, or a typed path that names
// an existing folder. Without either, shows "请选择U盘！" and gives nothing.
std::optional<QString> selectedDriveRoot(const QComboBox *box, QWidget *owner);

// A path inside the drive root, with the platform's separators.
QString drivePath(const QString &root, const QString &relative);

} // namespace delvora
