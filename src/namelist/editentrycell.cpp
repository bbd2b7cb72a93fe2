#include "namelist/editentrycell.h"

#include "namelist/namelist.h"
#include "namelist/namelisttexts.h"

namespace delvora {

EditEntryCell::EditEntryCell(NameList &list, int position, int column, QString before,
                             QString after)
    : m_list(list), m_position(position), m_column(column), m_before(std::move(before)),
      m_after(std::move(after)) {
    setText(list.headerData(column, Qt::Horizontal).toString());
}

void EditEntryCell::redo() {
    m_list.setCell(m_position, m_column, m_after);
}

void EditEntryCell::undo() {
    m_list.setCell(m_position, m_column, m_before);
}

} // namespace delvora
