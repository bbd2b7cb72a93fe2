#pragma once

#include <QString>

namespace delvora {

// Deletes every file in the folder and, the same way, in its subfolders, which stay. Goes on
// after a failed deletion; true when every deletion succeeded (nothing to delete counts).
bool clearFolder(const QString &path);

} // namespace delvora
