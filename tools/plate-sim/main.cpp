// delvora-plate-sim: desk plates simulated on loopback addresses, for tests, benchmarks and
// demonstrations of Delvora without real plates.

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QHostAddress>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>
#include <thread>

#include "plateconfig.h"
#include "platewall.h"
#include "simplate.h"

using namespace platesim;

namespace {

void writeLine(const QString &line) {
    std::fputs(line.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

int fail(const QString &message) {
    std::fputs((message + QLatin1Char('\n')).toUtf8().constData(), stderr);
    return 2;
}

// Reads a port number option; false when it is not a port.
bool readPort(const QCommandLineParser &parser, const QCommandLineOption &option, quint16 &port,
              QString &error) {
    bool ok = false;
    const uint value = parser.value(option).toUInt(&ok);
    if (!ok || value == 0 || value > 65535) {
        error = QStringLiteral("--%1: not a port: %2")
                    .arg(option.names().constFirst(), parser.value(option));
        return false;
    }
    port = quint16(value);
    return true;
}

// Ends the program when standard input reaches its end or reads "quit", so that whoever
// started it can stop it the same way on every platform.
void quitOnEndOfInput() {
    std::thread([] {
        std::string text;
        while (std::getline(std::cin, text) && text != "quit") {
        }
        // Not qApp: with QApplication's header it casts to QApplication, which the
        // application is only with --show.
        QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                  Qt::QueuedConnection);
    }).detach();
}

} // namespace

int main(int argc, char **argv) {
    // Only the window of --show needs the widget application.
    bool show = false;
    for (int i = 1; i < argc; ++i)
        show = show || std::string(argv[i]) == "--show";
    std::unique_ptr<QCoreApplication> application(show ? new QApplication(argc, argv)
                                                       : new QCoreApplication(argc, argv));
    QCoreApplication &app = *application;
    QCoreApplication::setApplicationName(QStringLiteral("delvora-plate-sim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Plays desk plates on loopback addresses. Each PLATE is ID@ADDRESS with "
                       "optional ,OPTION parts; options:\n") +
        PlateOptionsHelp() +
        QStringLiteral("Every event is one line on standard output; \"ready plates=N\" follows "
                       "once all plates listen."));
    parser.addHelpOption();
    const QCommandLineOption pictures(QStringLiteral("pictures"),
                                      QStringLiteral("Folder for the received pictures, <id>.jpg."),
                                      QStringLiteral("dir"), QStringLiteral("plate-pictures"));
    const QCommandLineOption count(QStringLiteral("count"),
                                   QStringLiteral("Add N plates on consecutive addresses."),
                                   QStringLiteral("n"));
    const QCommandLineOption firstId(QStringLiteral("first-id"),
                                     QStringLiteral("ID of the first of the --count plates."),
                                     QStringLiteral("id"), QStringLiteral("1"));
    const QCommandLineOption firstAddress(QStringLiteral("first-address"),
                                          QStringLiteral("Address of the first --count plate."),
                                          QStringLiteral("address"), QStringLiteral("127.0.0.2"));
    const QCommandLineOption stdinQuit(
        QStringLiteral("quit-on-eof"),
        QStringLiteral("Stop when standard input ends or reads \"quit\"."));
    const QCommandLineOption showWall(
        QStringLiteral("show"),
        QStringLiteral("Show the plates in a window: ID, address and the picture each holds."));
    // Tests that run side by side give each run ports of its own.
    const QCommandLineOption udpPort(
        QStringLiteral("udp-port"),
        QStringLiteral("UDP port the plates listen on and answer to (default 8089)."),
        QStringLiteral("port"), QStringLiteral("8089"));
    const QCommandLineOption picturePort(
        QStringLiteral("picture-port"),
        QStringLiteral("TCP port of the asker the plates fetch pictures from (default 8087)."),
        QStringLiteral("port"), QStringLiteral("8087"));
    parser.addOptions(
        {pictures, count, firstId, firstAddress, udpPort, picturePort, stdinQuit, showWall});
    parser.addPositionalArgument(QStringLiteral("plates"), QStringLiteral("ID@ADDRESS[,OPTION...]"),
                                 QStringLiteral("[PLATE...]"));
    parser.process(app);

    QStringList plateArgs = parser.positionalArguments();
    if (parser.isSet(count)) {
        const int n = parser.value(count).toInt();
        const int id0 = parser.value(firstId).toInt();
        const quint32 a0 = QHostAddress(parser.value(firstAddress)).toIPv4Address();
        for (int i = 0; i < n; ++i)
            plateArgs << QStringLiteral("%1@%2").arg(id0 + i).arg(
                QHostAddress(a0 + quint32(i)).toString());
    }
    if (plateArgs.isEmpty())
        return fail(QStringLiteral("no plates given; see --help"));

    QString error;
    quint16 plateUdpPort = 0;
    quint16 plateTcpPort = 0;
    if (!readPort(parser, udpPort, plateUdpPort, error) ||
        !readPort(parser, picturePort, plateTcpPort, error))
        return fail(error);

    const QString pictureDir = QDir(parser.value(pictures)).absolutePath();
    QList<SimPlate *> plates;
    for (const QString &text : plateArgs) {
        auto config = ParsePlateConfig(text, error);
        if (!config)
            return fail(error);
        config->udpPort = plateUdpPort;
        config->picturePort = plateTcpPort;
        auto *plate = new SimPlate(*config, pictureDir, &app);
        if (!plate->bind(error))
            return fail(error);
        QObject::connect(plate, &SimPlate::event, &app, writeLine);
        plates << plate;
    }
    if (parser.isSet(stdinQuit))
        quitOnEndOfInput();
    std::unique_ptr<PlateWall> wall;
    if (show) {
        wall = std::make_unique<PlateWall>(plates);
        wall->show();
        // Closing the window ends the simulation.
        QApplication::setQuitOnLastWindowClosed(true);
    }
    writeLine(QStringLiteral("ready plates=%1").arg(plates.size()));
    return app.exec();
}
