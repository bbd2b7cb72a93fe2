#pragma once

#include <QString>

namespace delvora {

class NameList;
class WorkbookReader;

// How an import of a name list ended.
struct ImportOutcome {
    enum Status {
        Complete,  // every row was read
        NotOpened, // the file is no readable list; `reason` says why (a plain message)
        Broken,    // reading the rows failed part way; `reason` says why (a stop message)
    };
    Status status = Complete;
    QString reason;
};

// The import of "打开表格" (and of a file dropped on the window): the list file's rows replace
// the name list, as one undo step. A failed import never leaves old entries mixed with new
// ones: the list then holds what was read before the failure, as a list of its own. Either way
// the list counts as unchanged since the import.
ImportOutcome importNameList(WorkbookReader &reader, NameList &list, const QString &path);

} // namespace delvora
