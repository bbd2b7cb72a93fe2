#pragma once

#include <QString>

namespace delvora {

// The plate ID text of a cell's text: leading white space skipped, an optional sign, then the
// decimal digits up to the first other character, as a 32-bit integer written back with "%d".
// Text without leading digits gives "0"; a number beyond 32 bits is held at the nearest limit.
QString plateIdText(const QString &cell);

} // namespace delvora
