#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace delvora::test {

// A fresh temporary folder made the current directory for the life of the object; the
// program keeps its files in the current directory.
class TempWorkDir {
public:
    TempWorkDir();
    ~TempWorkDir();
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }
    void write(const QString &name, const QByteArray &bytes) const;
    QByteArray read(const QString &name) const;
    // Copies a file of the source tree's res/ folder (red.jpg, fontSetting.dat) in.
    void installResource(const QString &name) const;
    // Writes "settings.dat" naming a fixed local address, so the main window starts without
    // the missing-settings warning.
    void useFixedAddress(const QString &ip = QStringLiteral("127.0.0.1")) const;

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

// A path in the source tree.
QString sourcePath(const QString &relative);

} // namespace delvora::test
