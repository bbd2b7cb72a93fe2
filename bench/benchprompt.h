#pragma once

#include <QString>
#include <cstdio>

#include "gui/prompt.h"

namespace delvora::bench {

// Messages go to the terminal; a benchmark has nobody to click them away. Every dialog is
// cancelled.
class PrintedPrompt : public RecordingPrompt {
public:
    void message(QWidget *parent, const QString &text, Icon icon) override {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        RecordingPrompt::message(parent, text, icon);
    }
};

} // namespace delvora::bench
