#pragma once

namespace delvora {

// The application's start-up step: prepares fonts and names, runs the main window modally and
// ends when it closes.
class Application {
public:
    // Call after the QApplication exists. Returns the process exit code.
    int run();

    // Settings every process of the program (and its tests) needs before the first window.
    static void prepareApplication();
};

} // namespace delvora
