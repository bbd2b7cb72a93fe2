#include "usb/addressdigits.h"

#include "common/integertext.h"

namespace delvora {

std::optional<QByteArray> addressDigits(const QString &address) {
    QString rest = address;
    QByteArray out;
    const auto append = [&out](const QString &part) {
        const int value = parseIntOrZero(part);
        if (value < -99 || value > 999)
            return false;
        out += QString::asprintf("%03d", value).toLatin1();
        return true;
    };
    for (int group = 0; group < 3; ++group) {
        const qsizetype dot = rest.indexOf(u'.');
        QString part;
        if (dot >= 0) {
            part = rest.left(dot);
            rest = rest.mid(dot + 1);
        }
        if (!append(part))
            return std::nullopt;
    }
    if (!append(rest))
        return std::nullopt;
    return out;
}

} // namespace delvora
