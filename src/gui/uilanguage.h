#pragma once

#include <QString>

class QWidget;

namespace delvora {

// The interface language: "zh" (the texts as written in the sources) or "en". Chinese needs no
// translator; English comes from the translation built into the program.

// Installs the translator of `language` into the application, or removes it for "zh". Call
// before the first window is built: texts are set when a window is built. False when the
// translation could not be loaded (the interface then stays Chinese).
bool installLanguage(const QString &language);

// The language of the running interface.
QString currentLanguage();

// 设置 → 语言: keeps the operator's choice in "Settings.ini"; the choice applies at the next
// start, which a message says in both the running and the chosen language.
void chooseLanguage(QWidget *owner, const QString &language);

} // namespace delvora
