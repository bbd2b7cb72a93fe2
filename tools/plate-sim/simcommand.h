#pragma once

#include <QByteArray>
#include <QList>

namespace platesim {

// A datagram as a desk plate understands it. Parsed here on its own terms, without the
// program's protocol code, so that a mistake on either side shows.
struct SimCommand {
    enum Kind { Unknown, Hello, PictureRequest, IdChange, AddressChange, FactoryReset };
    Kind kind = Unknown;
    qint64 pictureSize = 0; // PictureRequest
    int newId = 0;          // IdChange
    QList<int> octets;      // AddressChange: address, mask, gateway, four octets each
};

SimCommand ParseCommand(const QByteArray &datagram);

// A plate's answer: its ID as a 32-bit little-endian integer.
QByteArray IdAnswer(qint32 id);

// Twelve octets as "a.b.c.d" texts, starting at `first`.
QByteArray DottedOctets(const QList<int> &octets, int first);

} // namespace platesim
