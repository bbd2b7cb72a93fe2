#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace delvora::fuzz {

// Stops the run with a message; libFuzzer keeps the input that got here.
[[noreturn]] void fail(const char *what, const QString &detail = QString());

// A private temporary folder for the files a target writes, made on first use.
QString workFolder();

// Makes the work folder current for one input, since the program keeps its files in the
// current directory; libFuzzer's own paths stay relative to where it was started.
class InWorkFolder {
public:
    InWorkFolder();
    ~InWorkFolder();
    InWorkFolder(const InWorkFolder &) = delete;
    InWorkFolder &operator=(const InWorkFolder &) = delete;

private:
    QString m_previous;
};

// A Qt application on the offscreen platform: QGuiApplication for targets that touch fonts,
// QApplication for those that need widgets. Call once from LLVMFuzzerInitialize.
template <class App> void startApplication() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "delvora-fuzz";
    static char *argv[] = {name, nullptr};
    // Never destroyed: libFuzzer ends the process from inside its loop.
    new App(argc, argv);
}

// Replaces a file of the work folder; stops the run when that fails.
void writeFile(const QString &name, const QByteArray &bytes);
QByteArray readFile(const QString &name);

// Bytes shown readably in a failure message: controls and non-ASCII bytes escaped.
QString escaped(const QByteArray &bytes);

inline QByteArray bytesOf(const uint8_t *data, size_t size) {
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

} // namespace delvora::fuzz

#define FUZZ_CHECK(cond, detail)                                                                   \
    do {                                                                                           \
        if (!(cond))                                                                               \
            ::delvora::fuzz::fail(#cond, detail);                                                  \
    } while (0)
