#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace delvora::test {

// Starts delvora-plate-sim with a set of simulated plates and reads its log. Each plate
// listens on its own loopback address (127.0.0.2 and up) on UDP port 8089 and fetches its
// picture from port 8087 of whoever asked. Tests that use it bind the shared plate ports and
// carry the ctest RESOURCE_LOCK "udp8089".
//
//     PlateSim sim;
//     sim.addPlate(5, "127.0.0.2").addPlate(7, "127.0.0.3", {"silent"});
//     QVERIFY(sim.start());
//     ... drive the program ...
//     QVERIFY(sim.waitForLine("picture plate=127.0.0.2"));
//     QCOMPARE(sim.picture(5), expectedBytes);
//
// Log lines (one per event; values without spaces except the file path at the end):
//     ready plates=N
//     hello plate=A id=N from=A answered=yes|no
//     picture-request plate=A id=N from=A size=N
//     picture plate=A id=N size=N received=N file=PATH
//     picture-failed plate=A id=N size=N received=N
//     reason=closed|closed-early|refused|replaced|cannot-store picture-stalled plate=A id=N size=N
//     received=N picture-extra plate=A id=N bytes=N id plate=A old=N new=N answer=N|none ip plate=A
//     id=N address=A mask=A gateway=A reset plate=A id=N unknown plate=A id=N from=A bytes=HEX
// Plate options: silent, no-connect, connect-delay=MS, read-limit=N, close-after=N,
// id-answer=ID (see delvora-plate-sim --help).
class PlateSim {
public:
    // Pictures go to a folder of their own inside `pictureDir`, or a fresh temporary one.
    explicit PlateSim(const QString &pictureDir = QString());
    ~PlateSim();
    PlateSim(const PlateSim &) = delete;
    PlateSim &operator=(const PlateSim &) = delete;

    PlateSim &addPlate(int id, const QString &address, const QStringList &options = {});
    // Starts the simulator and waits until every plate listens.
    bool start(int timeoutMs = 10000);
    // Ends it and collects the rest of its log.
    void stop();

    // Everything logged so far, one entry per line.
    QStringList lines();
    // Lines starting with `prefix`.
    QStringList linesStartingWith(const QString &prefix);
    // Processes events (so the program under test keeps running) until a line starting with
    // `prefix` has been logged, at least `count` of them.
    bool waitForLine(const QString &prefix, int count = 1, int timeoutMs = 10000);

    QString pictureDir() const { return m_pictureDir; }
    // The bytes a plate with this ID stored as its picture; empty when none.
    QByteArray picture(int id) const;
    QString errors() const { return m_errors; }

    // The simulator's executable.
    static QString program();

private:
    void collect();

    QTemporaryDir m_tempDir; // pictures, unless a folder was given
    QProcess m_process;
    QStringList m_plates;
    QStringList m_lines;
    QByteArray m_partial;
    QString m_errors;
    QString m_pictureDir;
};

} // namespace delvora::test
