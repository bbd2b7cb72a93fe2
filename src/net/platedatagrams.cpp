#include "net/platedatagrams.h"

#include <QtEndian>
#include <algorithm>

namespace delvora {

QByteArray helloDatagram() {
    return QByteArrayLiteral("hello");
}

QByteArray pictureRequestDatagram(qint64 fileSize) {
    return QByteArrayLiteral("connectpic") + QByteArray::number(fileSize);
}

QByteArray idChangeDatagram(int newId) {
    // "%04d" semantics: at least four digits, a minus sign counting as one of them.
    QByteArray digits = QByteArray::number(qAbs(qint64(newId)));
    const int width = newId < 0 ? 3 : 4;
    if (digits.size() < width)
        digits.prepend(QByteArray(width - digits.size(), '0'));
    if (newId < 0)
        digits.prepend('-');
    return digits + QByteArrayLiteral("id");
}

QByteArray addressChangeDatagram(const Octets &address, const Octets &mask, const Octets &gateway) {
    QByteArray out;
    out.reserve(38);
    for (const Octets *part : {&address, &mask, &gateway}) {
        for (quint8 octet : *part)
            out += QByteArray::number(octet).rightJustified(3, '0');
    }
    return out + QByteArrayLiteral("ip");
}

QByteArray factoryResetDatagram() {
    return QByteArrayLiteral("000def");
}

int answerWindowMs(const QByteArray &command) {
    if (command == helloDatagram())
        return 3000;
    // An ID change is digits, an optional leading minus, then "id".
    if (command.size() > 2 && command.endsWith("id")) {
        const QByteArray number = command.chopped(2);
        const qsizetype from = number.startsWith('-') ? 1 : 0;
        if (number.size() > from && std::all_of(number.cbegin() + from, number.cend(),
                                                [](char c) { return c >= '0' && c <= '9'; }))
            return 10000;
    }
    return 0;
}

qint32 readPlateId(const QByteArray &answer) {
    uchar bytes[4] = {0, 0, 0, 0};
    for (int i = 0; i < 4 && i < answer.size(); ++i)
        bytes[i] = uchar(answer[i]);
    return qFromLittleEndian<qint32>(bytes);
}

QStringList sweepAddresses(const QString &netPrefix, const QString &localIp) {
    QStringList out;
    out.reserve(254);
    for (int n = 1; n <= 254; ++n) {
        const QString address = netPrefix + QString::number(n);
        if (address != localIp)
            out << address;
    }
    return out;
}

} // namespace delvora
