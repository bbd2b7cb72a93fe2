#pragma once

#include <QString>
#include <QStringList>

namespace delvora {

class PlateSocket;

// 恢复出厂设置: the plates are told to clear their ID, address and picture. No answer is
// awaited.
namespace FactoryReset {

// Sends the reset to these plates in order; returns how many were sent to.
int send(PlateSocket &socket, const QStringList &addresses);
// The confirmation for these plate IDs: five to a line, tab-separated, every ID followed by its
// separator.
QString question(const QStringList &ids);

} // namespace FactoryReset
} // namespace delvora
