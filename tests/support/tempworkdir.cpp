#include "support/tempworkdir.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace delvora::test {

QString sourcePath(const QString &relative) {
    QString root = qEnvironmentVariable("DELVORA_SOURCE_DIR");
    if (root.isEmpty())
        root = QStringLiteral(DELVORA_SOURCE_DIR_FALLBACK);
    return QDir(root).filePath(relative);
}

TempWorkDir::TempWorkDir() : m_previous(QDir::currentPath()) {
    QVERIFY2(m_dir.isValid(), "no temporary folder");
    QDir::setCurrent(m_dir.path());
}

TempWorkDir::~TempWorkDir() {
    QDir::setCurrent(m_previous);
}

void TempWorkDir::write(const QString &name, const QByteArray &bytes) const {
    QFile f(file(name));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

QByteArray TempWorkDir::read(const QString &name) const {
    QFile f(file(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void TempWorkDir::installResource(const QString &name) const {
    QFile::remove(file(name));
    QVERIFY(QFile::copy(sourcePath(QStringLiteral("res/") + name), file(name)));
    QFile(file(name)).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

void TempWorkDir::useFixedAddress(const QString &ip) const {
    // Two archive strings in their wide form (FF FE FF, a one-byte length, UTF-16LE): an empty
    // adapter MAC text and the address.
    QByteArray bytes("\xFF\xFE\xFF\x00", 4);
    bytes += QByteArray("\xFF\xFE\xFF", 3) + char(ip.size());
    for (QChar c : ip)
        bytes += QByteArray(1, char(c.unicode())) + '\0';
    write(QStringLiteral("settings.dat"), bytes);
}

} // namespace delvora::test
