#include "gui/jobs.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "gui/prompt.h"
#include "gui/updatemessages.h"
#include "layout/platedesign.h"
#include "namelist/namelist.h"
#include "namelist/namelisttexts.h"
#include "namelist/overflowmarks.h"
#include "net/networkupdate.h"
#include "net/plateboard.h"
#include "usb/pictureexport.h"
#include "usb/usbtexts.h"

namespace delvora {

Jobs::Jobs(const JobControls &controls, NameList &names, OverflowMarks &marks,
           const PlateDesign &design, NetworkUpdate &update, const PlateBoard &board,
           QWidget *window)
    : QObject(window), m_controls(controls), m_names(names), m_marks(marks), m_design(design),
      m_update(update), m_board(board), m_export(new PictureExport(this)), m_window(window) {
    UpdateMessages::follow(m_update, m_controls.progress, m_window);
    connect(&m_update, &NetworkUpdate::runningChanged, this, [this](bool running) {
        m_controls.networkUpdate->setDisabled(running);
        m_controls.usbUpdate->setDisabled(running);
    });
    connect(m_export, &PictureExport::pictureWritten, this, &Jobs::showExportProgress);
    connect(m_export, &PictureExport::finished, this, &Jobs::exportFinished);
}

bool Jobs::confirmSending() {
    const int marked = m_marks.markedCount();
    return marked == 0 || Prompt::ask(m_window, texts::overflowQuestion(marked));
}

void Jobs::networkUpdate() {
    // Sending every entry first asks about texts that do not fit; one chosen entry does not.
    if (m_names.count() > 0 && m_names.firstSelected() < 0 && !confirmSending())
        return;
    UpdateMessages::run(m_update, m_names, m_design.look(), m_board.addressesById(), m_window);
}

void Jobs::usbUpdate(const std::function<std::optional<QString>()> &chooseDrive) {
    m_controls.usbUpdate->setEnabled(false);
    bool started = false;
    if (m_names.count() == 0) {
        Prompt::plain(m_window, usbtexts::noTexts());
    } else if (confirmSending()) {
        if (const std::optional<QString> root = chooseDrive()) {
            m_controls.progress->setRange(0, 100);
            m_controls.progress->setValue(0);
            // The pictures are drawn from the list and layout as they are now; the window may
            // change both meanwhile.
            switch (m_export->start(m_design.look(), m_names.entries(), *root)) {
            case PictureExport::Start::Started:
                started = true;
                m_controls.networkUpdate->setEnabled(false);
                break;
            case PictureExport::Start::FolderNotCreated:
                Prompt::plain(m_window, usbtexts::folderNotCreated());
                break;
            }
        }
    }
    if (!started)
        m_controls.usbUpdate->setEnabled(true);
}

void Jobs::showExportProgress(int index, int count) {
    const int percent = int((index + 1) * 100.0 / count);
    m_controls.progressText->setText(QString::asprintf("%3d %%", percent));
    m_controls.progress->setValue(percent);
    // Every step is shown, even when several pictures arrive between two paints.
    m_controls.progressText->repaint();
    m_controls.progress->repaint();
}

void Jobs::exportFinished(int failed) {
    if (failed > 0)
        Prompt::warning(m_window, usbtexts::picturesNotSaved(failed));
    else
        Prompt::plain(m_window, usbtexts::picturesDone());
    m_controls.usbUpdate->setEnabled(true);
    m_controls.networkUpdate->setEnabled(true);
}

} // namespace delvora
