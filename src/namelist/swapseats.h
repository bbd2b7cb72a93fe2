#pragma once

#include <QList>
#include <QString>
#include <QUndoCommand>

#include "namelist/namerecord.h"

namespace delvora {

class NameList;

// Two entries exchange their plate IDs: the two people change plates.
class SwapSeats : public QUndoCommand {
public:
    SwapSeats(NameList &list, int first, int second);
    void redo() override;
    void undo() override;

private:
    NameList &m_list;
    int m_first;
    int m_second;

    void swap();
};

} // namespace delvora
