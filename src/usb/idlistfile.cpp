#include "usb/idlistfile.h"

#include <QDir>
#include <QFile>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace delvora {

namespace {

// Pushes the written bytes to the device, not only to the system's cache: the operator pulls
// the drive out right after the message.
bool flushToDevice(QFile &file) {
    if (!file.flush())
        return false;
#ifdef _WIN32
    return FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()))) != 0;
#else
    return ::fsync(file.handle()) == 0;
#endif
}

QString fileError(const QFile &file) {
    return QStringLiteral("%1\n%2").arg(QDir::toNativeSeparators(file.fileName()),
                                        file.errorString());
}

} // namespace

QString writeIdListFile(const QString &path, int start, int end) {
    QFile::remove(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return fileError(file);
    for (int id = start; id <= end; ++id) {
        const QByteArray digits = QByteArray::number(id).rightJustified(4, '0');
        if (file.write(digits) != digits.size() || !flushToDevice(file))
            return fileError(file);
    }
    file.close();
    if (file.error() != QFileDevice::NoError)
        return fileError(file);
    return {};
}

} // namespace delvora
