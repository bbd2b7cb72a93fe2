#pragma once

#include <QString>

#include "layout/platetexts.h"

namespace delvora {

// One entry of the name list: a row of the name workbook.
struct NameRecord {
    int seq = 0;          // 1 for the first data row
    QString id;           // plate ID text ("%d" form)
    QString organisation; // layout row 0
    QString name;         // layout row 1
    QString title;        // layout row 2

    // What the entry's plate picture shows.
    PlateTexts texts() const { return {organisation, name, title}; }

    bool operator==(const NameRecord &) const = default;
};

} // namespace delvora

Q_DECLARE_TYPEINFO(delvora::NameRecord, Q_RELOCATABLE_TYPE);
