#include "namelist/removeentries.h"

#include "namelist/namelist.h"
#include "namelist/namelisttexts.h"

namespace delvora {

RemoveEntries::RemoveEntries(NameList &list, QList<int> positions)
    : m_list(list), m_positions(std::move(positions)) {
    setText(texts::removeEntries());
}

void RemoveEntries::redo() {
    // From the back, so that the positions still ahead stay valid.
    m_taken.clear();
    for (auto it = m_positions.crbegin(); it != m_positions.crend(); ++it)
        m_taken.prepend(m_list.takeEntry(*it));
}

void RemoveEntries::undo() {
    for (int i = 0; i < m_positions.size(); ++i)
        m_list.insertEntry(m_positions[i], m_taken[i]);
}

} // namespace delvora
