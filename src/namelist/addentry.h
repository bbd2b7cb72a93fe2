#pragma once

#include <QList>
#include <QString>
#include <QUndoCommand>

#include "namelist/namerecord.h"

namespace delvora {

class NameList;

// An empty entry put in at a position.
class AddEntry : public QUndoCommand {
public:
    AddEntry(NameList &list, int position);
    void redo() override;
    void undo() override;

private:
    NameList &m_list;
    int m_position;
};

} // namespace delvora
