#pragma once

#include <QString>

namespace delvora {

// One entry of the name list: a row of the name workbook.
struct NameRecord {
    int m_nSeq = 0;            // 1 for the first data row
    QString m_strId;           // plate ID text ("%d" form)
    QString m_strOrganisation; // layout row 0
    QString m_strName;         // layout row 1
    QString m_strTitle;        // layout row 2

    bool operator==(const NameRecord &) const = default;
};

} // namespace delvora

Q_DECLARE_TYPEINFO(delvora::NameRecord, Q_RELOCATABLE_TYPE);
