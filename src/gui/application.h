#pragma once

#include <QString>
#include <QStringList>

namespace delvora {

// The application's start-up step: prepares fonts and names, runs the main window modally and
// ends when it closes.
class Application {
public:
    // Call after the QApplication exists. Returns the process exit code. A file named on the
    // command line is opened once the window is up: a meeting, or a name list to import.
    int run();

    // The file the command line names (the first argument after the program that is not an
    // option), as an absolute path; empty when there is none.
    static QString fileArgument(const QStringList &arguments);

    // Settings every process of the program (and its tests) needs before the first window.
    static void prepareApplication();
};

} // namespace delvora
