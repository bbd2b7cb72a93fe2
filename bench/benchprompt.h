#pragma once

#include <QString>
#include <cstdio>

#include "common/prompt.h"

namespace delvora::bench {

// Messages go to the terminal; a benchmark has nobody to click them away. Every dialog is
// cancelled.
class PrintedPrompt : public Prompt {
public:
    void message(QWidget *, const QString &text, Icon) override {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
    bool question(QWidget *, const QString &) override { return false; }
    QString openFileName(QWidget *, const QString &) override { return {}; }
    std::optional<FontPick> chooseFont(QWidget *, const FontPick &) override { return {}; }
    std::optional<QColor> chooseColor(QWidget *, const QColor &) override { return {}; }
};

} // namespace delvora::bench
