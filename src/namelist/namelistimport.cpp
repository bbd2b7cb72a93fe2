#include "namelist/namelistimport.h"

#include <exception>

#include "namelist/namelist.h"
#include "namelist/workbookreader.h"
#include "sheets/workbookerror.h"

namespace delvora {

ImportOutcome importNameList(WorkbookReader &reader, NameList &list, const QString &path) {
    const QList<NameRecord> before = list.entries();
    const QString beforePath = list.filePath();
    ImportOutcome outcome;
    list.clear();
    if (!reader.openWorkbook(path)) {
        outcome = {ImportOutcome::NotOpened, reader.getErrorText()};
    } else {
        try {
            reader.readNameList(list);
        } catch (const WorkbookError &e) {
            outcome = {ImportOutcome::Broken, e.text()};
        } catch (const std::exception &e) {
            outcome = {ImportOutcome::Broken, QString::fromUtf8(e.what())};
        }
    }
    list.recordImport(before, beforePath, path, outcome.status == ImportOutcome::Complete);
    return outcome;
}

} // namespace delvora
