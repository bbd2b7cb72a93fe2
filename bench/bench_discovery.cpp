// A discovery sweep over loopback against rooms of simulated plates: how long until every
// plate is listed, and whether answers get lost when they all come at once.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>

#include "benchroom.h"
#include "net/platesweep.h"

using namespace delvora;

namespace {

struct Sweep {
    int listed = 0;
    double millisToAll = -1; // -1: not all plates were listed within the wait
};

Sweep sweep(PlateSocket &socket, PlateBoard &board, int count) {
    QElapsedTimer t;
    t.start();
    board.clear();
    sweepPlates(socket, QStringLiteral("127.0.0.1"), QStringLiteral("127.0.0."));
    Sweep s;
    while (t.elapsed() < 3000) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        if (board.rowCount() >= count && s.millisToAll < 0)
            s.millisToAll = double(t.nsecsElapsed()) / 1e6;
        if (s.millisToAll >= 0 && t.elapsed() > s.millisToAll + 200)
            break; // late answers would have arrived by now
    }
    s.listed = board.rowCount();
    return s;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    std::printf("%-8s %-8s %-10s %-14s %s\n", "plates", "round", "listed", "ms to all", "ms/plate");
    for (int count : {3, 50, 150, 253}) {
        bench::BenchRoom room;
        if (!room.start(count))
            return 1;
        PlateSocket &socket = room.socket;
        PlateBoard &board = room.board;
        for (int round = 1; round <= 3; ++round) {
            const Sweep s = sweep(socket, board, count);
            std::printf("%-8d %-8d %-10s %-14.1f %.3f\n", count, round,
                        qPrintable(QStringLiteral("%1/%2").arg(s.listed).arg(count)), s.millisToAll,
                        s.millisToAll / count);
        }
    }
    return 0;
}
