#include "namelist/addentry.h"

#include "namelist/namelist.h"
#include "namelist/namelisttexts.h"

namespace delvora {

AddEntry::AddEntry(NameList &list, int position) : m_list(list), m_position(position) {
    setText(texts::addEntry());
}

void AddEntry::redo() {
    m_list.insertEntries({m_position}, {NameRecord{}});
}

void AddEntry::undo() {
    m_list.takeEntries({m_position});
}

} // namespace delvora
