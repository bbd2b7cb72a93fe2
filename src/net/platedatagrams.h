#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <array>

namespace delvora {

// Fixed numbers of the plate protocol.
inline constexpr quint16 kPlatePort = 8089;         // plates listen here; so does our socket
inline constexpr quint16 kPictureServerPort = 8087; // plates fetch their picture here
inline constexpr qint64 kMaxDatagram = 1023;        // larger answers are dropped
inline constexpr int kMaxPlateId = 9999;

using Octets = std::array<quint8, 4>; // an IPv4 address, first dotted part first

// The commands a plate understands, byte for byte: ASCII, no terminator, no length field.
QByteArray helloDatagram();
QByteArray pictureRequestDatagram(qint64 fileSize);
QByteArray idChangeDatagram(int newId);
QByteArray addressChangeDatagram(const Octets &address, const Octets &mask, const Octets &gateway);
QByteArray factoryResetDatagram();

// How long a plate's answer to this command is awaited, in milliseconds: 3 s after a probe,
// 10 s after an ID change (a late ID answer still lists the plate); 0 for commands plates do
// not answer.
int answerWindowMs(const QByteArray &command);

// The plate ID in a plate's answer: bytes 0 to 3 as a signed little-endian integer; a
// shorter answer reads as if padded with zero bytes.
qint32 readPlateId(const QByteArray &answer);

// The addresses a discovery sweep probes: the prefix followed by 1 to 254, leaving out the
// local address itself.
QStringList sweepAddresses(const QString &netPrefix, const QString &localIp);

} // namespace delvora
