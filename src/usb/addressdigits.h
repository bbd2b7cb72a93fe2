#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace delvora {

// The digit form of a dotted address: four groups printed with "%03d", split at the first three
// dots (a missing dot gives a 000 group at that place, text after a fourth dot is ignored), each
// read as an integer that is 0 without digits. Nothing when a group lies outside -99..999 and so
// cannot be printed in three characters.
std::optional<QByteArray> addressDigits(const QString &address);

} // namespace delvora
