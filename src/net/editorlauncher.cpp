#include "net/editorlauncher.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace delvora {

namespace {
EditorLauncher *g_launcher = nullptr;
}

EditorLauncher &EditorLauncher::instance() {
    static DesktopEditorLauncher real;
    return g_launcher ? *g_launcher : real;
}

void EditorLauncher::setInstance(EditorLauncher *launcher) {
    g_launcher = launcher;
}

void DesktopEditorLauncher::openTextFile(const QString &path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
}

} // namespace delvora
