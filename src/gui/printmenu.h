#pragma once

class QMenu;

namespace delvora {

class PrintCommands;

// The 打印 submenu of `fileMenu`: 打印桌签…, 打印检查表…, the two PDF exports and 不打印背景.
QMenu *addPrintMenu(QMenu *fileMenu, PrintCommands &commands);

} // namespace delvora
