#pragma once

#include <QString>

namespace delvora {

// Opens a text file in the platform's text editor and does not wait for it. Tests install
// their own launcher, so that no editor starts.
class EditorLauncher {
public:
    virtual ~EditorLauncher() = default;
    virtual void openTextFile(const QString &path) = 0;

    // The process-wide launcher; the desktop's editor unless a test installed its own.
    static EditorLauncher &instance();
    static void setInstance(EditorLauncher *launcher);
};

// The editor the desktop associates with text files.
class DesktopEditorLauncher : public EditorLauncher {
public:
    void openTextFile(const QString &path) override;
};

} // namespace delvora
