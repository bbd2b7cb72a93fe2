#pragma once

#include <QString>

namespace delvora {

// Writes the plate IDs start..end as four digits each ("%04d"), without separators, into a new
// file, flushing every ID to the device before the next. An empty range writes an empty file.
// Returns an empty string on success, otherwise the error text naming the file.
QString writeIdListFile(const QString &path, int start, int end);

} // namespace delvora
