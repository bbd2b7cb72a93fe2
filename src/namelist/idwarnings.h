#pragma once

#include <QList>
#include <QString>

#include "namelist/namerecord.h"

namespace delvora {

// Why each entry's plate ID cannot reach exactly one plate: empty, outside 0..9999, or shared
// with another entry (named by its 序号). An empty text means the ID is fine.
QStringList idWarnings(const QList<NameRecord> &entries);

} // namespace delvora
