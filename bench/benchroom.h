#pragma once

#include <QDir>
#include <QProcess>
#include <cstdio>

#include "net/plateboard.h"
#include "net/platereply.h"
#include "net/platesocket.h"

namespace delvora::bench {

// A room of simulated plates on 127.0.0.2 and up, with the program's socket on UDP 8089 and
// a plate board that takes their answers. Header only; the benchmark defines
// DELVORA_PLATE_SIM.
struct BenchRoom {
    QProcess sim;
    PlateSocket socket;
    PlateBoard board;

    // Starts `count` plates and binds the socket; false, with a message, when either fails.
    bool start(int count) {
        sim.start(QStringLiteral(DELVORA_PLATE_SIM),
                  {QStringLiteral("--quit-on-eof"), QStringLiteral("--count"),
                   QString::number(count), QStringLiteral("--pictures"),
                   QDir::tempPath() + QStringLiteral("/bench-plates")});
        while (!sim.canReadLine() && sim.waitForReadyRead(10000)) {
        }
        if (!sim.readLine().startsWith("ready")) {
            std::fprintf(stderr, "simulator did not start: %s\n",
                         sim.readAllStandardError().constData());
            return false;
        }
        socket.setHostAddress(QHostAddress(QStringLiteral("127.0.0.1")));
        if (!socket.create()) {
            std::fprintf(stderr, "cannot bind UDP 8089\n");
            return false;
        }
        QObject::connect(
            &socket, &PlateSocket::plateReply, &board,
            [this](const PlateReply &reply) {
                board.answer(reply.sender.toString(), QString::number(reply.plateId));
            },
            Qt::QueuedConnection);
        return true;
    }

    ~BenchRoom() {
        sim.closeWriteChannel();
        sim.waitForFinished(5000);
    }
};

} // namespace delvora::bench
