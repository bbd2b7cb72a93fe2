#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <optional>

class QDialog;
class QWidget;

namespace delvora {

// A font as the operator picks it in the font dialog, together with the row colour.
struct FontPick {
    QFont font;
    QColor color;
};

// Every message box and every file, font or colour dialog goes through this object, so that
// tests can script the operator's answers and read what the program said.
class Prompt {
public:
    enum class Icon { None, Warning, Stop };
    enum class Answer { Yes, No, Cancel };

    virtual ~Prompt() = default;

    // A box with an OK button, titled with the program's name.
    virtual void message(QWidget *parent, const QString &text, Icon icon) = 0;
    // The "提示" question with Yes and No; true means Yes.
    virtual bool question(QWidget *parent, const QString &text) = 0;
    // A file-open dialog; an empty result means cancelled. The filter has the Windows form
    // "text|patterns|text|patterns||", patterns separated by ';'.
    virtual QString openFileName(QWidget *parent, const QString &filter) = 0;
    virtual std::optional<FontPick> chooseFont(QWidget *parent, const FontPick &initial) = 0;
    virtual std::optional<QColor> chooseColor(QWidget *parent, const QColor &initial) = 0;
    // The "提示" question with 是, 否 and 取消. Prompts without an operator answer No.
    virtual Answer askYesNoCancel(QWidget *, const QString &) { return Answer::No; }
    // A file-save dialog opened on `suggested`, filter as for openFileName; `filterIndex` names
    // the file type shown first and gets the one the operator chose. An empty result means
    // cancelled.
    virtual QString saveFileName(QWidget *, const QString & /*filter*/,
                                 const QString & /*suggested*/, int * /*filterIndex*/) {
        return {};
    }
    // Runs a dialog that opens by itself rather than at the operator's command (the network
    // settings at the first start) and gives its result. Prompts without an operator cancel it.
    virtual int runDialog(QDialog *) { return 0; } // QDialog::Rejected

    // The process-wide prompt; the real dialogs unless a test installed its own.
    static Prompt &instance();
    static void setInstance(Prompt *prompt);

    // Shorthands for the three kinds of box.
    static void plain(QWidget *parent, const QString &text) {
        instance().message(parent, text, Icon::None);
    }
    static void warning(QWidget *parent, const QString &text) {
        instance().message(parent, text, Icon::Warning);
    }
    static void stop(QWidget *parent, const QString &text) {
        instance().message(parent, text, Icon::Stop);
    }
    static bool ask(QWidget *parent, const QString &text) {
        return instance().question(parent, text);
    }
    // Unsaved changes offered for saving with the 是/否/取消 question: true when the caller may
    // go on (saved with 是, dropped with 否).
    template <typename Save>
    static bool offerToSave(QWidget *parent, const QString &text, Save save) {
        switch (instance().askYesNoCancel(parent, text)) {
        case Answer::Yes:
            return save();
        case Answer::No:
            return true;
        default:
            return false;
        }
    }
};

// Qt's form of a "text|patterns|...||" filter: one entry per pair, the visible text kept and the
// patterns given to Qt space-separated.
QStringList qtNameFilters(const QString &windowsFilter);

// For runs without an operator: keeps every message text in `said` and cancels every dialog.
class RecordingPrompt : public Prompt {
public:
    QStringList said;
    void message(QWidget *, const QString &text, Icon) override { said << text; }
    bool question(QWidget *, const QString &) override { return false; }
    QString openFileName(QWidget *, const QString &) override { return {}; }
    std::optional<FontPick> chooseFont(QWidget *, const FontPick &) override { return {}; }
    std::optional<QColor> chooseColor(QWidget *, const QColor &) override { return {}; }
};

// The real dialogs.
class DialogPrompt : public Prompt {
public:
    void message(QWidget *parent, const QString &text, Icon icon) override;
    bool question(QWidget *parent, const QString &text) override;
    QString openFileName(QWidget *parent, const QString &filter) override;
    std::optional<FontPick> chooseFont(QWidget *parent, const FontPick &initial) override;
    std::optional<QColor> chooseColor(QWidget *parent, const QColor &initial) override;
    Answer askYesNoCancel(QWidget *parent, const QString &text) override;
    QString saveFileName(QWidget *parent, const QString &filter, const QString &suggested,
                         int *filterIndex) override;
    int runDialog(QDialog *dialog) override;
};

} // namespace delvora
