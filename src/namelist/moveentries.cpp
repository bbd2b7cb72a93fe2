#include "namelist/moveentries.h"

#include "namelist/namelist.h"
#include "namelist/namelisttexts.h"

namespace delvora {

MoveEntries::MoveEntries(NameList &list, QList<int> positions, int delta)
    : m_list(list), m_positions(std::move(positions)), m_delta(delta) {
    setText(delta < 0 ? texts::moveUp() : texts::moveDown());
}

void MoveEntries::redo() {
    m_list.shiftEntries(m_positions, m_delta);
}

void MoveEntries::undo() {
    QList<int> moved = m_positions;
    for (int &position : moved)
        position += m_delta;
    m_list.shiftEntries(moved, -m_delta);
}

} // namespace delvora
