// The ID change and the factory reset against rooms of simulated plates on loopback: how
// long a plate takes to confirm a new ID (against the 3-second wait), and whether resets sent
// back to back to every plate all arrive.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <cstdio>

#include "benchroom.h"
#include "net/factoryreset.h"
#include "net/networkparameters.h"
#include "net/plateidchange.h"
#include "net/platesweep.h"

using namespace delvora;

namespace {

// Processes events until `done` or the time is up; returns the milliseconds taken, -1 on
// time-out.
template <typename Done> double waitFor(Done done, int limitMs) {
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > limitMs)
            return -1;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }
    return double(t.nsecsElapsed()) / 1e6;
}

int countLines(QProcess &sim, QByteArray &pending, const QByteArray &prefix) {
    pending += sim.readAllStandardOutput();
    int n = 0;
    for (const QByteArray &line : pending.split('\n'))
        n += line.startsWith(prefix) ? 1 : 0;
    return n;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    std::printf("%-8s %-12s %-14s %-14s %-12s %s\n", "plates", "resets", "ms to all", "ms/plate",
                "id ms (med)", "of 3000 ms wait");
    for (int count : {3, 50, 150, 253}) {
        bench::BenchRoom room;
        if (!room.start(count))
            return 1;
        QProcess &sim = room.sim;
        PlateSocket &socket = room.socket;
        PlateBoard &board = room.board;
        sweepPlates(socket, QStringLiteral("127.0.0.1"), QStringLiteral("127.0.0."));
        if (waitFor([&] { return board.rowCount() >= count; }, 5000) < 0) {
            std::fprintf(stderr, "only %d of %d plates listed\n", board.rowCount(), count);
            return 1;
        }

        // ID changes of the first plate, one after another.
        PlateIdChange change(socket);
        int result = -1;
        QObject::connect(&change, &PlateIdChange::finished,
                         [&result](IdChangeResult r) { result = r; });
        QList<double> idMs;
        for (int i = 0; i < 20; ++i) {
            result = -1;
            QElapsedTimer t;
            t.start();
            change.start(board.address(0), 1000 + i);
            if (waitFor([&] { return result >= 0; }, 3000) < 0 || result != IdChangeConfirmed) {
                std::fprintf(stderr, "ID change %d not confirmed\n", i);
                return 1;
            }
            idMs << double(t.nsecsElapsed()) / 1e6;
        }
        std::sort(idMs.begin(), idMs.end());
        const double idMedian = idMs[idMs.size() / 2];

        // Every plate reset at once.
        QByteArray output;
        countLines(sim, output, "reset "); // drop what came before
        output.clear();
        QElapsedTimer t;
        t.start();
        const int sent = FactoryReset::send(socket, board.addresses());
        const double ms = waitFor([&] { return countLines(sim, output, "reset ") >= sent; }, 3000);
        const int arrived = countLines(sim, output, "reset ");
        const double toAll = ms < 0 ? -1 : double(t.nsecsElapsed()) / 1e6;
        std::printf("%-8d %-12s %-14.1f %-14.3f %-12.2f %.5f\n", count,
                    qPrintable(QStringLiteral("%1/%2").arg(arrived).arg(sent)), toAll,
                    toAll / count, idMedian, idMedian / NetworkParameters{}.idAnswerMs);
    }
    return 0;
}
