#pragma once

#include <QList>
#include <QString>
#include <QUndoCommand>

#include "namelist/namerecord.h"

namespace delvora {

class NameList;

// The whole list replaced, as an import does, together with the file it belongs to. The list
// already holds `after` when the command is made, so its first redo has nothing to do.
class ReplaceList : public QUndoCommand {
public:
    struct State {
        QList<NameRecord> entries;
        QString filePath;
    };

    ReplaceList(NameList &list, State before, State after);
    void redo() override;
    void undo() override;

private:
    void apply(const State &state);

    NameList &m_list;
    State m_before;
    State m_after;
    bool m_applied = true;
};

} // namespace delvora
