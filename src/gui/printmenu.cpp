#include "gui/printmenu.h"

#include <QAction>
#include <QMenu>

#include "gui/printcommands.h"

namespace delvora {

QMenu *addPrintMenu(QMenu *fileMenu, PrintCommands &commands) {
    using Document = PrintCommands::Document;
    QMenu *print = fileMenu->addMenu(PrintCommands::tr("打印(&P)"));
    print->setObjectName(QStringLiteral("menuPrint"));
    const auto add = [&](const QString &text, const char *name, auto slot) {
        QAction *action = print->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        QObject::connect(action, &QAction::triggered, &commands, slot);
    };
    add(PrintCommands::tr("打印桌签…"), "actionPrintCards",
        [&commands] { commands.preview(Document::TableCards); });
    add(PrintCommands::tr("打印检查表…"), "actionPrintCheckSheet",
        [&commands] { commands.preview(Document::CheckSheet); });
    print->addSeparator();
    add(PrintCommands::tr("导出桌签PDF…"), "actionExportCardsPdf",
        [&commands] { commands.exportPdf(Document::TableCards); });
    add(PrintCommands::tr("导出检查表PDF…"), "actionExportCheckSheetPdf",
        [&commands] { commands.exportPdf(Document::CheckSheet); });
    print->addSeparator();
    print->addAction(commands.plainAction());
    return print;
}

} // namespace delvora
