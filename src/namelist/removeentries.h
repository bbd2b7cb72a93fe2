#pragma once

#include <QList>
#include <QString>
#include <QUndoCommand>

#include "namelist/namerecord.h"

namespace delvora {

class NameList;

// Entries taken out of the list; undo puts each back at its place.
class RemoveEntries : public QUndoCommand {
public:
    RemoveEntries(NameList &list, QList<int> positions); // ascending
    void redo() override;
    void undo() override;

private:
    NameList &m_list;
    QList<int> m_positions;
    QList<NameRecord> m_taken;
};

} // namespace delvora
