#include "usb/drivelist.h"

#include <QDir>
#include <QStorageInfo>

namespace delvora {

namespace {
DriveList *g_driveList = nullptr;
} // namespace

DriveList &DriveList::instance() {
    static SystemDriveList real;
    return g_driveList ? *g_driveList : real;
}

void DriveList::setInstance(DriveList *list) {
    g_driveList = list;
}

QList<DriveInfo> SystemDriveList::drives() const {
    QList<DriveInfo> out;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady())
            continue;
        out.append({QDir::toNativeSeparators(volume.rootPath()), volume.bytesTotal()});
    }
    return out;
}

QString driveEntryText(const DriveInfo &drive) {
    float gib = float(drive.totalBytes);
    for (int i = 0; i < 3; ++i)
        gib *= 0.0009765625f;
    return drive.root + QString::asprintf("(%.1f G)", double(gib));
}

QString drivePath(const QString &root, const QString &relative) {
    QString path = QDir::fromNativeSeparators(root);
    if (!path.endsWith(u'/'))
        path += u'/';
    return QDir::toNativeSeparators(path + relative);
}

} // namespace delvora
