#include "namelist/replacelist.h"

#include "namelist/namelist.h"
#include "namelist/namelisttexts.h"

namespace delvora {

ReplaceList::ReplaceList(NameList &list, State before, State after)
    : m_list(list), m_before(std::move(before)), m_after(std::move(after)) {
    setText(texts::importList());
}

void ReplaceList::apply(const State &state) {
    m_list.replaceEntries(state.entries);
    m_list.setFilePath(state.filePath);
}

void ReplaceList::redo() {
    if (m_applied) {
        m_applied = false;
        return;
    }
    apply(m_after);
}

void ReplaceList::undo() {
    apply(m_before);
}

} // namespace delvora
