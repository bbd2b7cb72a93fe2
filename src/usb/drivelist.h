#pragma once

#include <QList>
#include <QString>

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

// A path inside the drive root, with the platform's separators.
QString drivePath(const QString &root, const QString &relative);

} // namespace delvora
