#pragma once

#include <QString>

namespace delvora {

// The network keys of "./Settings.ini": `[Network] parallel=N` (plates served at once by an
// update of all entries) and `presence=0|1` (the idle check of the plates on the board). A
// missing, unreadable or out-of-range value is taken as the default or held to the range;
// nothing is written unless the operator changes a value.
namespace NetworkOptions {

int parallel(const QString &path);
bool presence(const QString &path);
bool setPresence(const QString &path, bool on);

} // namespace NetworkOptions
} // namespace delvora
