#include "simcommand.h"

namespace platesim {

namespace {

bool allDigits(const QByteArray &text) {
    if (text.isEmpty())
        return false;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

} // namespace

SimCommand ParseCommand(const QByteArray &d) {
    SimCommand c;
    if (d == "hello") {
        c.kind = SimCommand::Hello;
    } else if (d == "000def") {
        c.kind = SimCommand::FactoryReset;
    } else if (d.startsWith("connectpic") && allDigits(d.mid(10)) && d.size() <= 10 + 18 &&
               !(d.size() > 11 && d[10] == '0')) { // a decimal size without leading zeros
        c.kind = SimCommand::PictureRequest;
        c.pictureSize = d.mid(10).toLongLong();
    } else if (d.size() == 6 && d.endsWith("id") && allDigits(d.left(4))) {
        c.kind = SimCommand::IdChange;
        c.newId = d.left(4).toInt();
    } else if (d.size() == 38 && d.endsWith("ip") && allDigits(d.left(36))) {
        c.kind = SimCommand::AddressChange;
        for (int i = 0; i < 12; ++i)
            c.octets << d.mid(3 * i, 3).toInt();
    }
    return c;
}

QByteArray IdAnswer(qint32 id) {
    const quint32 u = quint32(id);
    QByteArray out(4, '\0');
    for (int i = 0; i < 4; ++i)
        out[i] = char((u >> (8 * i)) & 0xFF);
    return out;
}

QByteArray DottedOctets(const QList<int> &octets, int first) {
    QByteArray out;
    for (int i = first; i < first + 4; ++i) {
        if (i > first)
            out += '.';
        out += QByteArray::number(octets.value(i));
    }
    return out;
}

} // namespace platesim
