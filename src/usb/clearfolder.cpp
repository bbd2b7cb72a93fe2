#include "usb/clearfolder.h"

#include <QDir>
#include <QFile>

namespace delvora {

bool clearFolder(const QString &path) {
    bool ok = true;
    const QDir dir(path);
    const QFileInfoList entries =
        dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        // A link to a folder is removed as a link: never follow it out of the drive.
        if (entry.isDir() && !entry.isSymLink())
            ok = clearFolder(entry.filePath()) && ok;
        else
            ok = QFile::remove(entry.filePath()) && ok;
    }
    return ok;
}

} // namespace delvora
