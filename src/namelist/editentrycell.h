#pragma once

#include <QList>
#include <QString>
#include <QUndoCommand>

#include "namelist/namerecord.h"

namespace delvora {

class NameList;

// One cell of one entry changed by the operator.
class EditEntryCell : public QUndoCommand {
public:
    EditEntryCell(NameList &list, int position, int column, QString before, QString after);
    void redo() override;
    void undo() override;

private:
    NameList &m_list;
    int m_position;
    int m_column;
    QString m_before;
    QString m_after;
};

} // namespace delvora
