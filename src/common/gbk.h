#pragma once

#include <QByteArray>
#include <QString>

namespace delvora {

// Encodes text as GBK (code page 936), the 8-bit encoding plates and Windows editors expect.
// Characters GBK cannot hold become '?'.
QByteArray toGbk(const QString &text);
QString fromGbk(const QByteArray &bytes);

} // namespace delvora
