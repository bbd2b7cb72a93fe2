#include "support/scriptedprompt.h"

#include <QDialog>

namespace delvora::test {

void ScriptedPrompt::message(QWidget *, const QString &text, Icon icon) {
    shown.append({text, icon, false});
}

bool ScriptedPrompt::question(QWidget *, const QString &text) {
    shown.append({text, Icon::None, true});
    return answers.isEmpty() ? false : answers.dequeue();
}

QString ScriptedPrompt::openFileName(QWidget *, const QString &filter) {
    lastFilter = filter;
    return fileNames.isEmpty() ? QString() : fileNames.dequeue();
}

std::optional<FontPick> ScriptedPrompt::chooseFont(QWidget *, const FontPick &initial) {
    lastFontOffered = initial;
    return fonts.isEmpty() ? std::nullopt : fonts.dequeue();
}

std::optional<QColor> ScriptedPrompt::chooseColor(QWidget *, const QColor &) {
    return colors.isEmpty() ? std::nullopt : colors.dequeue();
}

Prompt::Answer ScriptedPrompt::askYesNoCancel(QWidget *, const QString &text) {
    shown.append({text, Icon::None, true});
    return threeWay.isEmpty() ? Answer::No : threeWay.dequeue();
}

QString ScriptedPrompt::saveFileName(QWidget *, const QString &filter, const QString &suggested,
                                     int *filterIndex) {
    lastFilter = filter;
    lastSuggested = suggested;
    if (saveNames.isEmpty())
        return {};
    const auto [name, index] = saveNames.dequeue();
    if (filterIndex)
        *filterIndex = index;
    return name;
}

int ScriptedPrompt::runDialog(QDialog *dialog) {
    dialogs << dialog->objectName();
    dialog->setResult(QDialog::Rejected);
    if (!dialogActions.isEmpty())
        dialogActions.dequeue()(dialog);
    return dialog->result();
}

QStringList ScriptedPrompt::texts() const {
    QStringList out;
    for (const Shown &s : shown)
        out << s.text;
    return out;
}

} // namespace delvora::test
