#pragma once

#include <QList>
#include <QString>

#include "namelist/namerecord.h"

namespace delvora::test {

// `count` entries numbered from `firstSeq`, with IDs from 100 and texts that tell them apart.
inline QList<NameRecord> sampleEntries(int count, int firstSeq = 1) {
    QList<NameRecord> out;
    for (int i = 0; i < count; ++i)
        out.append({firstSeq + i, QString::number(100 + i), QStringLiteral("单位%1").arg(i),
                    QStringLiteral("名字%1").arg(i), QStringLiteral("职位%1").arg(i)});
    return out;
}

} // namespace delvora::test
