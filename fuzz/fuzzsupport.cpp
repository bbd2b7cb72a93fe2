#include "fuzzsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

// Leaks inside system libraries that live until the process ends; none is ours. Built in, so
// that running a target on one input by hand reports as scripts/fuzz does.
extern "C" const char *__lsan_default_suppressions() {
    return "leak:libfontconfig.so\nleak:libQt6Gui.so\nleak:libQt6Core.so\nleak:libglib-2.0.so\n";
}

namespace delvora::fuzz {

void fail(const char *what, const QString &detail) {
    std::fprintf(stderr, "\n== property broken: %s\n%s\n", what, qPrintable(detail));
    std::fflush(stderr);
    std::abort();
}

QString escaped(const QByteArray &bytes) {
    QString out;
    for (char c : bytes) {
        const auto u = uint8_t(c);
        if (c == '\n')
            out += QStringLiteral("\\n");
        else if (c == '\r')
            out += QStringLiteral("\\r");
        else if (u < 0x20 || u >= 0x7F || c == '\\')
            out += QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0'));
        else
            out += QLatin1Char(c);
    }
    return out;
}

QString workFolder() {
    // Lives until the process ends; removed then unless a crash leaves it for a look.
    static QTemporaryDir dir;
    if (!dir.isValid())
        fail("work folder", dir.errorString());
    return dir.path();
}

InWorkFolder::InWorkFolder() : m_previous(QDir::currentPath()) {
    if (!QDir::setCurrent(workFolder()))
        fail("entering the work folder", workFolder());
}

InWorkFolder::~InWorkFolder() {
    QDir::setCurrent(m_previous);
}

void writeFile(const QString &name, const QByteArray &bytes) {
    QFile f(name);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        fail("writing the input file", f.errorString());
}

QByteArray readFile(const QString &name) {
    QFile f(name);
    if (!f.open(QIODevice::ReadOnly))
        fail("reading back a file", f.errorString());
    return f.readAll();
}

} // namespace delvora::fuzz
