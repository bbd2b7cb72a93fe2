#include "gui/usbprovisioning.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>

#include "gui/prompt.h"
#include "layout/jpegencoder.h"
#include "layout/picturebatch.h"
#include "layout/platecanvas.h"
#include "layout/platelayout.h"
#include "namelist/workbookreader.h"
#include "namelist/namelist.h"
#include "namelist/namelisttexts.h"
#include "usb/addressdigits.h"
#include "usb/clearfolder.h"
#include "usb/drivelist.h"
#include "usb/idlistfile.h"
#include "gui/idrangedialog.h"
#include "usb/usbtexts.h"

namespace delvora {

namespace {

// One folder level below the drive root, created when missing.
bool ensureFolder(const QString &path) {
    return QFileInfo(path).isDir() || QDir().mkdir(path);
}

// Raised by the address file writer for a row that cannot be written in the digit form.
struct MalformedRow {};

} // namespace

UsbProvisioning::UsbProvisioning(const UsbContext &context, QWidget *owner)
    : QObject(owner), m_ctx(context), m_owner(owner) {}

void UsbProvisioning::fillDrives() {
    fillDriveList(m_ctx.driveBox);
}

void UsbProvisioning::onUsbUpdate() {
    m_ctx.usbButton->setEnabled(false);
    bool started = false;
    if (m_ctx.names->count() == 0)
        Prompt::plain(m_owner, usbtexts::noTexts());
    else if (!m_ctx.confirmSending || m_ctx.confirmSending(m_owner)) {
        if (const std::optional<QString> root = selectedDriveRoot(m_ctx.driveBox, m_owner))
            started = exportPictures(*root);
    }
    if (!started)
        m_ctx.usbButton->setEnabled(true);
}

bool UsbProvisioning::exportPictures(const QString &root) {
    m_ctx.progress->setRange(0, 100);
    m_ctx.progress->setValue(0);
    const QString folder = drivePath(root, QStringLiteral("PICTURE"));
    if (!ensureFolder(folder)) {
        Prompt::plain(m_owner, usbtexts::folderNotCreated());
        return false;
    }
    // The workers get the list and layout as they are now; the window may change both while
    // they run. Files are written in list order, so of two entries with one ID the later wins.
    const int count = m_ctx.names->count();
    QList<PlateTexts> texts;
    QStringList files;
    texts.reserve(count);
    files.reserve(count);
    for (int i = 0; i < count; ++i) {
        const NameRecord &entry = m_ctx.names->at(i);
        texts.append({entry.organisation, entry.name, entry.title});
        files.append(drivePath(folder, entry.id + QStringLiteral(".jpg")));
    }
    // The layout is left holding the last entry's texts, as after drawing every picture here.
    const PlateTexts &last = texts.constLast();
    m_ctx.layout->setTexts(last.organisation, last.name, last.title);
    m_exportCount = count;
    m_exportFailed = 0;
    m_batch = new PictureBatch(
        *m_ctx.layout, m_ctx.canvas->m_background, 97, std::move(texts),
        [files](int index, const QByteArray &jpeg) { return writeJpegFile(jpeg, files.at(index)); },
        this);
    connect(m_batch, &PictureBatch::delivered, this, &UsbProvisioning::onPictureWritten);
    connect(m_batch, &PictureBatch::finished, this, &UsbProvisioning::onExportFinished);
    m_batch->start();
    emit exportStarted();
    return true;
}

void UsbProvisioning::onPictureWritten(int index, bool stored) {
    if (!stored)
        ++m_exportFailed;
    const int percent = int((index + 1) * 100.0 / m_exportCount);
    m_ctx.progressText->setText(QString::asprintf("%3d %%", percent));
    m_ctx.progress->setValue(percent);
    // Every step is shown, even when several pictures arrive between two paints.
    m_ctx.progressText->repaint();
    m_ctx.progress->repaint();
}

void UsbProvisioning::onExportFinished() {
    m_batch->deleteLater();
    m_batch = nullptr;
    if (m_exportFailed > 0)
        Prompt::warning(m_owner, usbtexts::picturesNotSaved(m_exportFailed));
    else
        Prompt::plain(m_owner, usbtexts::picturesDone());
    m_ctx.usbButton->setEnabled(true);
    emit exportFinished();
}

void UsbProvisioning::onMakeIdFile() {
    const std::optional<QString> root = selectedDriveRoot(m_ctx.driveBox, m_owner);
    if (!root)
        return;
    IdRangeDialog dialog(m_owner);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString error =
        writeIdListFile(drivePath(*root, QStringLiteral("ID.txt")), dialog.m_start, dialog.m_end);
    if (!error.isEmpty()) {
        Prompt::stop(m_owner, error);
        return;
    }
    Prompt::plain(m_owner, usbtexts::idFileDone());
}

bool UsbProvisioning::writeAddressFile(const QString &folder, const AddressRecord &record) {
    QByteArray digits;
    for (const QString *address : {&record.address, &record.mask, &record.gateway}) {
        const std::optional<QByteArray> group = addressDigits(*address);
        if (!group)
            throw MalformedRow{};
        digits += *group;
    }
    QSaveFile file(drivePath(folder, record.id + QStringLiteral(".txt")));
    return file.open(QIODevice::WriteOnly) && file.write(digits) == digits.size() && file.commit();
}

void UsbProvisioning::onMakeIpFiles() {
    const std::optional<QString> root = selectedDriveRoot(m_ctx.driveBox, m_owner);
    if (!root)
        return;
    const QString path = Prompt::instance().openFileName(m_owner, texts::workbookFilter());
    if (path.isEmpty())
        return;
    WorkbookReader &excel = *m_ctx.excel;
    if (!excel.openWorkbook(path)) {
        Prompt::plain(m_owner, excel.getErrorText());
        return;
    }
    const QString folder = drivePath(*root, QStringLiteral("IP"));
    if (QFileInfo(folder).isDir()) {
        if (!clearFolder(folder)) {
            excel.closeWorkbook();
            Prompt::plain(m_owner, usbtexts::oldFilesNotDeleted());
            return;
        }
    } else if (!QDir().mkdir(folder)) {
        excel.closeWorkbook();
        Prompt::plain(m_owner, usbtexts::folderNotCreated());
        return;
    }
    int unwritten = 0;
    try {
        excel.readAddressRows([&](const AddressRecord &record) {
            if (!writeAddressFile(folder, record))
                ++unwritten;
        });
    } catch (...) {
        // A workbook error or a row that does not fit the digit form: the files of the rows
        // before it stay.
        excel.closeWorkbook();
        Prompt::plain(m_owner, usbtexts::ipFilesFormatError());
        return;
    }
    Prompt::plain(m_owner, unwritten > 0 ? usbtexts::ipFilesFailed() : usbtexts::ipFilesDone());
}

} // namespace delvora
