#pragma once

#include <QList>
#include <QString>
#include <QUndoCommand>

#include "namelist/namerecord.h"

namespace delvora {

class NameList;

// Entries moved one place up or down in the order of the update and the export.
class MoveEntries : public QUndoCommand {
public:
    MoveEntries(NameList &list, QList<int> positions, int delta); // ascending, delta ±1
    void redo() override;
    void undo() override;

private:
    NameList &m_list;
    QList<int> m_positions;
    int m_delta;
};

} // namespace delvora
