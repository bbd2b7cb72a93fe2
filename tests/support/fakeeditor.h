#pragma once

#include <QFile>
#include <QList>
#include <QString>

#include "net/editorlauncher.h"

namespace delvora::test {

// Stands in for the text editor while it lives: records each file it was asked to show, with
// the file's bytes at that moment (header only: for tests that link delvora_net).
class FakeEditor : public EditorLauncher {
public:
    struct Opened {
        QString path;
        QByteArray bytes;
    };

    FakeEditor() { EditorLauncher::setInstance(this); }
    ~FakeEditor() override { EditorLauncher::setInstance(nullptr); }

    void openTextFile(const QString &path) override {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        opened << Opened{path, file.readAll()};
    }

    QList<Opened> opened;
};

} // namespace delvora::test
