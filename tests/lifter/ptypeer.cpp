#include "ptypeer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <pty.h>
#include <unistd.h>

namespace delvora::test {

PtyPeer::PtyPeer() {
    int slave = -1;
    if (openpty(&m_master, &slave, nullptr, nullptr, nullptr) != 0) {
        m_master = -1;
        return;
    }
    m_path = QString::fromLocal8Bit(ttyname(slave));
    // Only the program under test holds the port end, so its opening and closing can be seen.
    ::close(slave);
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
}

PtyPeer::~PtyPeer() {
    if (m_master >= 0)
        ::close(m_master);
    // A test that failed with the port open must not leave the port locked for the next one.
    QFile::remove(lockFile());
}

QByteArray PtyPeer::received() {
    char buffer[256];
    for (;;) {
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n <= 0)
            break; // EAGAIN when drained, EIO while nobody holds the port
        m_received.append(buffer, n);
    }
    return m_received;
}

termios PtyPeer::lineSettings() const {
    termios settings{};
    ::tcgetattr(m_master, &settings);
    return settings;
}

void PtyPeer::setLineSettings(const termios &settings) {
    ::tcsetattr(m_master, TCSANOW, &settings);
}

bool PtyPeer::heldOpen() const {
    const QDir fds(QStringLiteral("/proc/self/fd"));
    const QStringList entries = fds.entryList(QDir::Files | QDir::System);
    for (const QString &fd : entries)
        if (QFileInfo(fds.filePath(fd)).symLinkTarget() == m_path)
            return true;
    return false;
}

QString PtyPeer::lockFile() const {
    QString name = m_path.mid(int(qstrlen("/dev/")));
    name.replace(u'/', u'_');
    return QStringLiteral("/var/lock/LCK..") + name;
}

} // namespace delvora::test
