#pragma once

#include <QString>

namespace delvora {

class WorkbookReader;

// How 生成IP ended.
struct AddressFilesOutcome {
    enum Status {
        Done,      // a file for every row
        NotOpened, // the list cannot be read; `reason` says why
        OldFilesNotDeleted,
        FolderNotCreated,
        FormatError,    // a row is damaged or its addresses do not fit the digit form
        SomeNotWritten, // every row was read, but some files could not be written
    };
    Status status = Done;
    QString reason;
};

// 生成IP: one file IP/<plate ID>.txt per row of an address list (ID, address, mask, gateway),
// each holding the 36 digits of the three addresses, in the emptied IP folder of `root`. The
// files of the rows before a damaged one stay.
AddressFilesOutcome writeAddressFiles(WorkbookReader &reader, const QString &listPath,
                                      const QString &root);

} // namespace delvora
