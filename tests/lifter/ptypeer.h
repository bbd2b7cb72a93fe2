#pragma once

#include <QByteArray>
#include <QString>
#include <termios.h>

namespace delvora::test {

// The device end of a pseudo-terminal: the program opens `path()` as its serial port, the test
// reads what it wrote from the other end.
class PtyPeer {
public:
    PtyPeer();
    ~PtyPeer();
    PtyPeer(const PtyPeer &) = delete;
    PtyPeer &operator=(const PtyPeer &) = delete;

    bool isValid() const { return m_master >= 0; }
    QString path() const { return m_path; }

    // Everything written to the port since the last clear().
    QByteArray received();
    void clear() { m_received.clear(); }
    // The line settings of the port as they stand now.
    termios lineSettings() const;
    void setLineSettings(const termios &settings);
    // Whether this process holds the port open.
    bool heldOpen() const;
    // The lock file a serial port library leaves while it holds the port.
    QString lockFile() const;

private:
    int m_master = -1;
    QString m_path;
    QByteArray m_received;
};

} // namespace delvora::test
