#pragma once

#include <QList>
#include <QQueue>
#include <QString>
#include <functional>

#include "gui/prompt.h"

namespace delvora::test {

// Stands in for every dialog: records what the program said and answers from queues. It is
// installed while it lives. An unscripted question is answered No, an unscripted file dialog
// is cancelled.
class ScriptedPrompt : public Prompt {
public:
    struct Shown {
        QString text;
        Icon icon;
        bool question;
    };

    ScriptedPrompt() { Prompt::setInstance(this); }
    ~ScriptedPrompt() override { Prompt::setInstance(nullptr); }

    void message(QWidget *, const QString &text, Icon icon) override;
    bool question(QWidget *, const QString &text) override;
    QString openFileName(QWidget *, const QString &filter) override;
    std::optional<FontPick> chooseFont(QWidget *, const FontPick &initial) override;
    std::optional<QColor> chooseColor(QWidget *, const QColor &initial) override;
    Answer askYesNoCancel(QWidget *, const QString &text) override;
    QString saveFileName(QWidget *, const QString &filter, const QString &suggested,
                         int *filterIndex) override;
    int runDialog(QDialog *dialog) override;

    QList<Shown> shown;        // every box and question, in order
    QQueue<bool> answers;      // answers to questions
    QQueue<QString> fileNames; // results of file dialogs ("" = cancelled)
    QQueue<std::optional<FontPick>> fonts;
    QQueue<std::optional<QColor>> colors;
    QQueue<Answer> threeWay; // answers to 是/否/取消 questions
    // Results of save dialogs: the file name and the index of the chosen file type.
    QQueue<std::pair<QString, int>> saveNames;
    // Dialogs that open by themselves: each is handed to the next action, which may fill it in
    // and press its buttons; without an action it is cancelled. Their object names, in order.
    QQueue<std::function<void(QDialog *)>> dialogActions;
    QStringList dialogs;
    QString lastSuggested;    // the name the last save dialog offered
    QString lastFilter;       // filter of the last file dialog
    FontPick lastFontOffered; // what the last font dialog was opened with

    QStringList texts() const; // the texts of everything shown
    void clear() { shown.clear(); }
};

} // namespace delvora::test
