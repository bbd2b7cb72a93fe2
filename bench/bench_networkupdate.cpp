// The update of all entries to a room of simulated plates on loopback, next to rendering and
// encoding the same pictures alone: what the network adds to every plate.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>
#include <vector>

#include "benchplate.h"
#include "benchprompt.h"
#include "common/prompt.h"
#include "layout/logfont.h"
#include "layout/platecanvas.h"
#include "layout/platelayout.h"
#include "net/editorlauncher.h"
#include "net/networkupdate.h"
#include "net/pictureserver.h"
#include "net/platedatagrams.h"
#include "net/platepicture.h"
#include "net/udpsocket.h"

using namespace delvora;

namespace {

constexpr int kPlates = 200;
constexpr int kDefaultSimProcesses = 8; // the first argument overrides it

class NoEditor : public EditorLauncher {
public:
    void openTextFile(const QString &) override {}
};

// Counts the pictures the plates stored, from the simulator's log.
struct SimLog {
    explicit SimLog(QProcess &process) : sim(process) {}
    QProcess &sim;
    QByteArray partial;
    int stored = 0;
    void read() {
        partial += sim.readAllStandardOutput();
        qsizetype end;
        while ((end = partial.indexOf('\n')) >= 0) {
            if (partial.startsWith("picture plate="))
                ++stored;
            partial.remove(0, end + 1);
        }
    }
};

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int simProcesses = argc > 1 ? qBound(1, atoi(argv[1]), kPlates) : kDefaultSimProcesses;
    InstallFontSubstitutes();
    bench::PrintedPrompt prompt;
    Prompt::setInstance(&prompt);
    NoEditor editor;
    EditorLauncher::setInstance(&editor);

    QTemporaryDir work;
    QDir::setCurrent(work.path());

    PlateCanvas canvas;
    PlateLayout layout;
    SetUpBenchPlate(canvas, layout);

    QList<NameRecord> entries;
    QHash<QString, QString> online;
    const QString organisations[] = {QStringLiteral("国家发展和改革委员会"),
                                     QStringLiteral("财政部"), QStringLiteral("教育部")};
    for (int i = 0; i < kPlates; ++i) {
        const QString id = QString::number(i + 1);
        entries << NameRecord{i + 1, id, organisations[i % 3], QStringLiteral("代表%1").arg(i + 1),
                              QStringLiteral("副主任")};
        online.insert(
            id, QHostAddress(QHostAddress(QStringLiteral("127.0.0.2")).toIPv4Address() + quint32(i))
                    .toString());
    }

    // Real plates work side by side; one simulator process would make each plate wait until
    // the one before has stored its picture. Consecutive entries go to different processes.
    std::vector<std::unique_ptr<QProcess>> sims;
    std::vector<std::unique_ptr<SimLog>> logs;
    for (int k = 0; k < simProcesses; ++k) {
        QStringList arguments{QStringLiteral("--quit-on-eof"), QStringLiteral("--pictures"),
                              work.filePath(QStringLiteral("plates"))};
        for (int i = k; i < kPlates; i += simProcesses)
            arguments << QStringLiteral("%1@%2").arg(entries[i].m_strId,
                                                     online.value(entries[i].m_strId));
        auto sim = std::make_unique<QProcess>();
        sim->start(QStringLiteral(DELVORA_PLATE_SIM), arguments);
        while (!sim->canReadLine() && sim->waitForReadyRead(10000)) {
        }
        if (!sim->readLine().startsWith("ready")) {
            std::fprintf(stderr, "simulator did not start: %s\n",
                         sim->readAllStandardError().constData());
            return 1;
        }
        auto log = std::make_unique<SimLog>(*sim);
        QObject::connect(sim.get(), &QProcess::readyReadStandardOutput,
                         [raw = log.get()] { raw->read(); });
        sims.push_back(std::move(sim));
        logs.push_back(std::move(log));
    }
    const auto stored = [&logs] {
        int n = 0;
        for (const auto &log : logs)
            n += log->stored;
        return n;
    };

    CUdpSocket socket;
    socket.Create();
    PictureServer server;
    if (!server.StartPictureServer(kPictureServerPort, nullptr))
        return 1;
    NetworkUpdate update(server, socket, layout, canvas,
                         [&online](const QString &id) { return online.value(id); });

    std::printf("%d plates in %d simulator processes, pictures %dx%d at quality 100\n", kPlates,
                simProcesses, canvas.m_nWidth, canvas.m_nHeight);
    std::printf("%-6s %-22s %-26s %-16s %s\n", "round", "render+encode ms/plate",
                "network update ms/plate", "plates served", "ratio (goal <= 1.5)");
    double bestRender = 1e300, bestUpdate = 1e300;
    for (int round = 1; round <= 3; ++round) {
        QElapsedTimer t;
        t.start();
        for (const NameRecord &entry : entries)
            WritePlatePicture(RenderPlatePicture(layout, canvas, entry));
        const double render = double(t.nsecsElapsed()) / 1e6 / kPlates;

        for (auto &log : logs)
            log->stored = 0;
        bool done = false;
        QMetaObject::Connection finished = QObject::connect(
            &update, &NetworkUpdate::runningChanged, [&done](bool running) { done = !running; });
        t.restart();
        update.UpdateAll(entries, nullptr);
        // Until every plate stored its picture, not only until the last byte left.
        while ((!done || stored() < kPlates) && t.elapsed() < 120000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
        const double network = double(t.nsecsElapsed()) / 1e6 / kPlates;
        QObject::disconnect(finished);

        const QByteArray errors = [] {
            QFile file(QStringLiteral("dispError.txt"));
            file.open(QIODevice::ReadOnly);
            return file.readAll();
        }();
        std::printf("%-6d %-22.2f %-26.2f %-16s %.2f%s\n", round, render, network,
                    qPrintable(QStringLiteral("%1/%2").arg(stored()).arg(kPlates)),
                    network / render, errors.isEmpty() ? "" : "  (dispError.txt not empty)");
        bestRender = std::min(bestRender, render);
        bestUpdate = std::min(bestUpdate, network);
    }
    std::printf("best: render+encode %.2f ms/plate, network update %.2f ms/plate, ratio %.2f "
                "(goal <= 1.5)\n",
                bestRender, bestUpdate, bestUpdate / bestRender);
    for (auto &sim : sims) {
        sim->closeWriteChannel();
        sim->waitForFinished(5000);
    }
    return 0;
}
