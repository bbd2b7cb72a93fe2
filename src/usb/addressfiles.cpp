#include "usb/addressfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include "namelist/addressrecord.h"
#include "namelist/workbookreader.h"
#include "usb/addressdigits.h"
#include "usb/clearfolder.h"
#include "usb/drivelist.h"

namespace delvora {

namespace {

// Raised for a row that cannot be written in the digit form.
struct MalformedRow {};

bool writeAddressFile(const QString &folder, const AddressRecord &record) {
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

} // namespace

AddressFilesOutcome writeAddressFiles(WorkbookReader &reader, const QString &listPath,
                                      const QString &root) {
    if (!reader.openWorkbook(listPath))
        return {AddressFilesOutcome::NotOpened, reader.getErrorText()};
    const QString folder = drivePath(root, QStringLiteral("IP"));
    if (QFileInfo(folder).isDir()) {
        if (!clearFolder(folder)) {
            reader.closeWorkbook();
            return {AddressFilesOutcome::OldFilesNotDeleted, {}};
        }
    } else if (!QDir().mkdir(folder)) {
        reader.closeWorkbook();
        return {AddressFilesOutcome::FolderNotCreated, {}};
    }
    int unwritten = 0;
    try {
        reader.readAddressRows([&](const AddressRecord &record) {
            if (!writeAddressFile(folder, record))
                ++unwritten;
        });
    } catch (...) {
        // A workbook error or a row that does not fit the digit form.
        reader.closeWorkbook();
        return {AddressFilesOutcome::FormatError, {}};
    }
    return {unwritten > 0 ? AddressFilesOutcome::SomeNotWritten : AddressFilesOutcome::Done, {}};
}

} // namespace delvora
