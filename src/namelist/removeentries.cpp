#include "namelist/removeentries.h"

#include "namelist/namelist.h"
#include "namelist/namelisttexts.h"

namespace delvora {

RemoveEntries::RemoveEntries(NameList &list, QList<int> positions)
    : m_list(list), m_positions(std::move(positions)) {
    setText(texts::removeEntries());
}

void RemoveEntries::redo() {
    m_taken = m_list.takeEntries(m_positions);
}

void RemoveEntries::undo() {
    m_list.insertEntries(m_positions, m_taken);
}

} // namespace delvora
