#pragma once

#include "support/fakeadapters.h"
#include "support/fakeeditor.h"
#include "support/scriptedprompt.h"
#include "support/tempworkdir.h"

namespace delvora::test {

// Where a window meets simulated plates: a working folder with the canvas picture and the fixed
// address 127.0.0.1, scripted dialogs, the loopback adapter alone (nothing may be sent beyond
// 127.0.0.0/8) and a stand-in text editor. They are undone in reverse order.
struct LoopbackPlace {
    LoopbackPlace() {
        dir.installResource(QStringLiteral("red.jpg"));
        dir.useFixedAddress();
    }

    TempWorkDir dir;
    ScriptedPrompt prompt;
    FakeAdapters adapters{QList<AdapterEntry>{
        {QStringLiteral("lo"), QStringLiteral("00-00-00-00-00-00"), QStringLiteral("127.0.0.1")}}};
    FakeEditor editor;
};

} // namespace delvora::test
