#include "namelist/swapseats.h"

#include "namelist/namelist.h"
#include "namelist/namelisttexts.h"

namespace delvora {

SwapSeats::SwapSeats(NameList &list, int first, int second)
    : m_list(list), m_first(first), m_second(second) {
    setText(texts::swapSeats());
}

void SwapSeats::swap() {
    const QString first = m_list.at(m_first).id;
    m_list.setCell(m_first, NameList::ColId, m_list.at(m_second).id);
    m_list.setCell(m_second, NameList::ColId, first);
}

void SwapSeats::redo() {
    swap();
}

void SwapSeats::undo() {
    swap();
}

} // namespace delvora
