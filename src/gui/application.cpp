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

QString Application::fileArgument(const QStringList &arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i)
        if (!arguments[i].isEmpty() && !arguments[i].startsWith(u'-'))
            return QFileInfo(arguments[i]).absoluteFilePath();
    return {};
}

int Application::run() {
    prepareApplication();
    // Texts are set as the window is built: the translator comes first.
    installLanguage(readLanguage());
    MainWindow dlg;
    const QString file = fileArgument(QCoreApplication::arguments());
    if (!file.isEmpty())
        QMetaObject::invokeMethod(
            &dlg, [&dlg, file] { dlg.openFile(file); }, Qt::QueuedConnection);
    dlg.exec();
    return 0;
}

} // namespace delvora
