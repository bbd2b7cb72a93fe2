#include "support/platesim.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace delvora::test {

QString PlateSim::program() {
    return QStringLiteral(DELVORA_PLATE_SIM);
}

PlateSim::PlateSim(const QString &pictureDir)
    : m_pictureDir(pictureDir.isEmpty()
                       ? m_tempDir.path()
                       : QDir(pictureDir).filePath(QStringLiteral("plate-pictures"))) {
    QObject::connect(&m_process, &QProcess::readyReadStandardOutput, [this] { collect(); });
}

PlateSim::~PlateSim() {
    stop();
}

PlateSim &PlateSim::addPlate(int id, const QString &address, const QStringList &options) {
    QStringList parts{QStringLiteral("%1@%2").arg(id).arg(address)};
    parts += options;
    m_plates << parts.join(QLatin1Char(','));
    return *this;
}

bool PlateSim::start(int timeoutMs) {
    m_process.setProgram(program());
    m_process.setArguments(
        QStringList{QStringLiteral("--quit-on-eof"), QStringLiteral("--pictures"), m_pictureDir} +
        m_plates);
    m_process.start();
    if (!m_process.waitForStarted(timeoutMs)) {
        m_errors = m_process.errorString();
        return false;
    }
    const bool ready = waitForLine(QStringLiteral("ready "), 1, timeoutMs);
    if (!ready)
        m_errors += QString::fromUtf8(m_process.readAllStandardError());
    return ready;
}

void PlateSim::stop() {
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.closeWriteChannel(); // the simulator ends at the end of its input
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
    collect();
    m_errors += QString::fromUtf8(m_process.readAllStandardError());
}

void PlateSim::collect() {
    m_partial += m_process.readAllStandardOutput();
    qsizetype end;
    while ((end = m_partial.indexOf('\n')) >= 0) {
        m_lines << QString::fromUtf8(m_partial.left(end)).trimmed();
        m_partial.remove(0, end + 1);
    }
}

QStringList PlateSim::lines() {
    collect();
    return m_lines;
}

QStringList PlateSim::linesStartingWith(const QString &prefix) {
    QStringList out;
    for (const QString &line : lines()) {
        if (line.startsWith(prefix))
            out << line;
    }
    return out;
}

bool PlateSim::waitForLine(const QString &prefix, int count, int timeoutMs) {
    return QTest::qWaitFor(
               [&] {
                   return linesStartingWith(prefix).size() >= count ||
                          m_process.state() == QProcess::NotRunning;
               },
               timeoutMs) &&
           linesStartingWith(prefix).size() >= count;
}

QByteArray PlateSim::picture(int id) const {
    QFile f(QDir(m_pictureDir).filePath(QStringLiteral("%1.jpg").arg(id)));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace delvora::test
