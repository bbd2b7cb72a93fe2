#include "gui/usbpanel.h"

#include <QComboBox>

#include "gui/drivebox.h"
#include "gui/idrangedialog.h"
#include "gui/jobs.h"
#include "gui/prompt.h"
#include "namelist/namelisttexts.h"
#include "usb/addressfiles.h"
#include "usb/drivelist.h"
#include "usb/idlistfile.h"
#include "usb/usbtexts.h"

namespace delvora {

UsbPanel::UsbPanel(QComboBox *driveBox, Jobs &jobs, WorkbookReader &reader, QWidget *window)
    : QObject(window), m_driveBox(driveBox), m_jobs(jobs), m_reader(reader), m_window(window) {}

void UsbPanel::fillDrives() {
    fillDriveList(m_driveBox);
    followDrives(m_driveBox);
}

void UsbPanel::onUsbUpdate() {
    m_jobs.usbUpdate([this] { return selectedDriveRoot(m_driveBox, m_window); });
}

void UsbPanel::onMakeIdFile() {
    const std::optional<QString> root = selectedDriveRoot(m_driveBox, m_window);
    if (!root)
        return;
    IdRangeDialog dialog(m_window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString error =
        writeIdListFile(drivePath(*root, QStringLiteral("ID.txt")), dialog.m_start, dialog.m_end);
    if (!error.isEmpty()) {
        Prompt::stop(m_window, error);
        return;
    }
    Prompt::plain(m_window, usbtexts::idFileDone());
}

void UsbPanel::onMakeIpFiles() {
    const std::optional<QString> root = selectedDriveRoot(m_driveBox, m_window);
    if (!root)
        return;
    const QString path = Prompt::instance().openFileName(m_window, texts::workbookFilter());
    if (path.isEmpty())
        return;
    const AddressFilesOutcome outcome = writeAddressFiles(m_reader, path, *root);
    switch (outcome.status) {
    case AddressFilesOutcome::NotOpened:
        Prompt::plain(m_window, outcome.reason);
        break;
    case AddressFilesOutcome::OldFilesNotDeleted:
        Prompt::plain(m_window, usbtexts::oldFilesNotDeleted());
        break;
    case AddressFilesOutcome::FolderNotCreated:
        Prompt::plain(m_window, usbtexts::folderNotCreated());
        break;
    case AddressFilesOutcome::FormatError:
        Prompt::plain(m_window, usbtexts::ipFilesFormatError());
        break;
    case AddressFilesOutcome::SomeNotWritten:
        Prompt::plain(m_window, usbtexts::ipFilesFailed());
        break;
    case AddressFilesOutcome::Done:
        Prompt::plain(m_window, usbtexts::ipFilesDone());
        break;
    }
}

} // namespace delvora
