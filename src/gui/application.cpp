#include "gui/application.h"

#include <QApplication>
#include <QFileInfo>

#include "gui/mainwindow.h"
#include "gui/uilanguage.h"
#include "layout/layoutfiles.h"
#include "layout/logfont.h"

namespace delvora {

void Application::prepareApplication() {
    // Message boxes are titled with the executable's base name.
    if (QCoreApplication::applicationName().isEmpty())
        QCoreApplication::setApplicationName(QStringLiteral("Delvora"));
    installFontSubstitutes();
}

int Application::run() {
    prepareApplication();
    // Texts are set as the window is built: the translator comes first.
    installLanguage(readLanguage());
    MainWindow dlg;
    dlg.exec();
    return 0;
}

} // namespace delvora
