#include "gui/prompt.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>

#include "gui/fontpickdialog.h"

namespace delvora {

namespace {
Prompt *g_prompt = nullptr;
}

Prompt &Prompt::instance() {
    static DialogPrompt real;
    return g_prompt ? *g_prompt : real;
}

void Prompt::setInstance(Prompt *prompt) {
    g_prompt = prompt;
}

void DialogPrompt::message(QWidget *parent, const QString &text, Icon icon) {
    QMessageBox box(parent);
    box.setWindowTitle(QCoreApplication::applicationName());
    box.setText(text);
    box.setIcon(icon == Icon::Warning ? QMessageBox::Warning
                : icon == Icon::Stop  ? QMessageBox::Critical
                                      : QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

bool DialogPrompt::question(QWidget *parent, const QString &text) {
    QMessageBox box(parent);
    box.setWindowTitle(QCoreApplication::translate("Prompt", "提示"));
    box.setText(text);
    box.setIcon(QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

Prompt::Answer DialogPrompt::askYesNoCancel(QWidget *parent, const QString &text) {
    QMessageBox box(parent);
    box.setWindowTitle(QCoreApplication::translate("Prompt", "提示"));
    box.setText(text);
    box.setIcon(QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    box.button(QMessageBox::Yes)->setText(QCoreApplication::translate("Prompt", "是"));
    box.button(QMessageBox::No)->setText(QCoreApplication::translate("Prompt", "否"));
    box.button(QMessageBox::Cancel)->setText(QCoreApplication::translate("Prompt", "取消"));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

QStringList qtNameFilters(const QString &windowsFilter) {
    const QStringList parts = windowsFilter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty())
            break;
        QString patterns = parts[i + 1];
        patterns.replace(u';', u' ');
        QString text = parts[i];
        // Qt reads the patterns from the last parentheses of the entry.
        filters << (text.contains(u'(') ? text.replace(u';', u' ')
                                        : text + QStringLiteral(" (") + patterns + u')');
    }
    return filters;
}

QString DialogPrompt::openFileName(QWidget *parent, const QString &filter) {
    QFileDialog dialog(parent);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters(qtNameFilters(filter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString DialogPrompt::saveFileName(QWidget *parent, const QString &filter, const QString &suggested,
                                   int *filterIndex) {
    QFileDialog dialog(parent);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const QStringList filters = qtNameFilters(filter);
    dialog.setNameFilters(filters);
    if (filterIndex && *filterIndex >= 0 && *filterIndex < filters.size())
        dialog.selectNameFilter(filters[*filterIndex]);
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    if (filterIndex)
        *filterIndex = std::max(0, int(filters.indexOf(dialog.selectedNameFilter())));
    return dialog.selectedFiles().constFirst();
}

int DialogPrompt::runDialog(QDialog *dialog) {
    return dialog->exec();
}

std::optional<FontPick> DialogPrompt::chooseFont(QWidget *parent, const FontPick &initial) {
    FontPickDialog dialog(initial, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.pick();
}

std::optional<QColor> DialogPrompt::chooseColor(QWidget *parent, const QColor &initial) {
    const QColor c = QColorDialog::getColor(initial, parent);
    if (!c.isValid())
        return std::nullopt;
    return c;
}

} // namespace delvora
