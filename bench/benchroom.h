#pragma once

#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QTreeView>
#include <cstdio>

#include "gui/onlineplates.h"
#include "net/platesocket.h"

namespace delvora::bench {

// A room of simulated plates on 127.0.0.2 and up, with the program's socket on UDP 8089 and
// an online list that takes their answers. Header only; the benchmark defines
// DELVORA_PLATE_SIM.
struct BenchRoom {
    QProcess sim;
    PlateSocket socket;
    QTreeView list;
    QLineEdit idEdit;
    OnlinePlates plates;

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
        socket.m_hostIp = QHostAddress(QStringLiteral("127.0.0.1")).toIPv4Address();
        if (!socket.create()) {
            std::fprintf(stderr, "cannot bind UDP 8089\n");
            return false;
        }
        list.setSelectionMode(QAbstractItemView::ExtendedSelection);
        plates.attach(&list, &idEdit);
        QObject::connect(&socket, &PlateSocket::plateReply, &plates, &OnlinePlates::onPlateReply,
                         Qt::QueuedConnection);
        return true;
    }

    ~BenchRoom() {
        sim.closeWriteChannel();
        sim.waitForFinished(5000);
    }
};

} // namespace delvora::bench
