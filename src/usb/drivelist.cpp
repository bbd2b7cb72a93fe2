#include "usb/drivelist.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>

namespace delvora {

namespace {
DriveList *g_driveList = nullptr;

// "(7.5 G)": the size in GiB, computed in single precision as the program always has.
QString capacityText(qint64 bytes) {
    float gib = float(bytes);
    for (int i = 0; i < 3; ++i)
        gib *= 0.0009765625f;
    return QString::asprintf("(%.1f G)", double(gib));
}

// Desktops mount what is plugged in under /media or /run/media; a USB disk that does not call
// itself removable is still one there.
bool isRemovableVolume(const DriveInfo &drive, const DriveList &list) {
    const QString root = QDir::fromNativeSeparators(drive.root);
    return root.startsWith(QStringLiteral("/media/")) ||
           root.startsWith(QStringLiteral("/run/media/")) ||
           (!drive.device.isEmpty() && list.removableDevice(drive.device));
}
} // namespace

DriveRules nativeDriveRules() {
#ifdef Q_OS_WIN
    return DriveRules::Letters;
#else
    return DriveRules::Mounts;
#endif
}

bool DriveList::removableDevice(const QString &device) const {
    return blockDeviceRemovable(device);
}

DriveList &DriveList::instance() {
    static SystemDriveList real;
    return g_driveList ? *g_driveList : real;
}

void DriveList::setInstance(DriveList *list) {
    g_driveList = list;
}

QList<DriveInfo> SystemDriveList::drives() const {
    QList<DriveInfo> out;
    // An unreadable mount table gives no volumes.
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady())
            continue;
        out.append({QDir::toNativeSeparators(volume.rootPath()), volume.bytesTotal(), volume.name(),
                    QFile::decodeName(volume.device()), volume.isReadOnly()});
    }
    return out;
}

DriveChoices driveChoices(const DriveList &list) {
    DriveChoices out;
    const QList<DriveInfo> drives = list.drives();
    if (list.rules() == DriveRules::Letters) {
        for (const DriveInfo &drive : drives) {
            const QString text = driveEntryText(drive);
            out.entries.append({text, drive.root, text});
        }
        out.preferred = int(out.entries.size()) - 1;
        return out;
    }
    QList<DriveEntry> removable;
    QList<DriveEntry> others;
    for (const DriveInfo &drive : drives) {
        if (drive.readOnly || drive.totalBytes <= 0)
            continue;
        const DriveEntry entry{volumeEntryText(drive), drive.root,
                               QDir::toNativeSeparators(drive.root)};
        (isRemovableVolume(drive, list) ? removable : others).append(entry);
    }
    // The volumes come in the order they were mounted: the last stick is the one just plugged.
    out.preferred = int(removable.size()) - 1;
    out.entries = removable + others;
    return out;
}

bool driveListed(const DriveList &list, const QString &root) {
    const QList<DriveInfo> drives = list.drives();
    return std::any_of(drives.begin(), drives.end(),
                       [&root](const DriveInfo &drive) { return drive.root == root; });
}

QString driveEntryText(const DriveInfo &drive) {
    return drive.root + capacityText(drive.totalBytes);
}

QString volumeEntryText(const DriveInfo &drive) {
    QString name = drive.label;
    if (name.isEmpty()) {
        const QString root = QDir::fromNativeSeparators(drive.root);
        name = root.section(u'/', -1, -1, QString::SectionSkipEmpty);
        if (name.isEmpty())
            name = drive.root; // the system's own root, "/"
    }
    return name + u' ' + capacityText(drive.totalBytes);
}

bool blockDeviceRemovable(const QString &device, const QString &sysRoot) {
    // Only a device file names a block device; "tmpfs" or "server:/share" do not, and must not
    // be looked up as files of the working folder.
    if (!QDir::isAbsolutePath(device))
        return false;
    // Names such as /dev/disk/by-label/KINGSTON or /dev/mapper/x lead to the kernel's own name.
    const QString canonical = QFileInfo(device).canonicalFilePath();
    const QString name = QFileInfo(canonical.isEmpty() ? device : canonical).fileName();
    if (name.isEmpty() || name.startsWith(u'.'))
        return false;
    // A partition is a folder inside its disk's folder; only the disk says whether it is
    // removable.
    const QString blocks = sysRoot + QStringLiteral("/block/");
    QString disk;
    if (QFileInfo(blocks + name).isDir()) {
        disk = name;
    } else {
        const QStringList disks = QDir(blocks).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QString &candidate : disks) {
            if (QFileInfo(blocks + candidate + u'/' + name).isDir()) {
                disk = candidate;
                break;
            }
        }
    }
    if (disk.isEmpty())
        return false;
    QFile flag(blocks + disk + QStringLiteral("/removable"));
    return flag.open(QIODevice::ReadOnly) && flag.read(8).trimmed() == "1";
}

QString drivePath(const QString &root, const QString &relative) {
    QString path = QDir::fromNativeSeparators(root);
    if (!path.endsWith(u'/'))
        path += u'/';
    return QDir::toNativeSeparators(path + relative);
}

} // namespace delvora
