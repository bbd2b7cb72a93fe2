#include "app/plaxonapp.h"

#include <QApplication>
#include <QFileInfo>

#include "app/plaxondlg.h"
#include "app/uilanguage.h"
#include "layout/layoutfiles.h"
#include "layout/logfont.h"

namespace delvora {

void CPlaxonApp::PrepareApplication() {
    // Message boxes are titled with the executable's base name.
    if (QCoreApplication::applicationName().isEmpty())
        QCoreApplication::setApplicationName(QStringLiteral("Delvora"));
    InstallFontSubstitutes();
}

int CPlaxonApp::InitInstance() {
    PrepareApplication();
    // Texts are set as the window is built: the translator comes first.
    InstallLanguage(ReadLanguage());
    CPlaxonDlg dlg;
    dlg.exec();
    return 0;
}

} // namespace delvora
