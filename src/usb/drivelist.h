#pragma once

#include <QList>
#include <QString>

namespace delvora {

// How the drive box lists the volumes and which one it chooses.
enum class DriveRules {
    // Windows: every drive in letter order as "E:\(7.5 G)", the last one chosen.
    Letters,
    // Mount points: removable volumes first, by name; nothing read-only or empty; the stick
    // mounted last chosen.
    Mounts,
};

// The rules of the platform the program runs on.
DriveRules nativeDriveRules();

// A volume the operator can write plate files to.
struct DriveInfo {
    QString root; // the volume's root path, as the system names it (E:\ or /media/usb)
    qint64 totalBytes = 0;
    QString label;  // the volume's own name; may be empty
    QString device; // the block device it is mounted from (/dev/sdb1); may be empty
    bool readOnly = false;
};

// The volumes of the computer. Tests install their own list.
class DriveList {
public:
    virtual ~DriveList() = default;
    // In the order the system reports them: drive letters ascending, or mount points in the
    // order they were mounted.
    virtual QList<DriveInfo> drives() const = 0;
    // Whether the block device behind a volume says it is removable.
    virtual bool removableDevice(const QString &device) const;
    virtual DriveRules rules() const { return nativeDriveRules(); }

    static DriveList &instance();
    static void setInstance(DriveList *list);
};

// The mounted volumes that are valid and ready, in the order the system reports them.
class SystemDriveList : public DriveList {
public:
    QList<DriveInfo> drives() const override;
};

// One entry of the drive box.
struct DriveEntry {
    QString text;    // what the box shows
    QString root;    // where the commands write
    QString toolTip; // the entry in full: the whole text, or the mount path
};

// The drive box's entries under the list's rules, and the one chosen at first (-1: none).
struct DriveChoices {
    QList<DriveEntry> entries;
    int preferred = -1;
};
DriveChoices driveChoices(const DriveList &list);

// Whether the list still holds a volume with this root.
bool driveListed(const DriveList &list, const QString &root);

// "E:\(7.5 G)": the root followed by the capacity in GiB, computed in single precision as the
// program always has.
QString driveEntryText(const DriveInfo &drive);

// "KINGSTON (7.5 G)": the volume's label, else the last part of its mount path, and its size.
QString volumeEntryText(const DriveInfo &drive);

// What "<sysRoot>/block/<disk>/removable" says of the disk that holds `device` (a whole disk
// or one of its partitions); false when it says nothing.
bool blockDeviceRemovable(const QString &device, const QString &sysRoot = QStringLiteral("/sys"));

// A path inside the drive root, with the platform's separators.
QString drivePath(const QString &root, const QString &relative);

} // namespace delvora
