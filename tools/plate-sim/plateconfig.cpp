#include "plateconfig.h"

#include <QHostAddress>

namespace platesim {

namespace {

bool parseNumber(const QString &text, qint64 &out) {
    bool ok = false;
    out = text.toLongLong(&ok);
    return ok && out >= 0;
}

} // namespace

std::optional<PlateConfig> ParsePlateConfig(const QString &text, QString &error) {
    const QStringList parts = text.split(QLatin1Char(','));
    const QStringList head = parts[0].split(QLatin1Char('@'));
    PlateConfig plate;
    qint64 number = 0;
    if (head.size() != 2 || !parseNumber(head[0], number) || number > 0x7FFFFFFF) {
        error = QStringLiteral("expected ID@ADDRESS, got \"%1\"").arg(parts[0]);
        return std::nullopt;
    }
    plate.id = int(number);
    plate.address = head[1];
    const QHostAddress address(plate.address);
    // Plates live on loopback only: nothing here may reach another machine.
    if (address.protocol() != QAbstractSocket::IPv4Protocol || !address.isLoopback()) {
        error = QStringLiteral("plate address %1 is not in 127.0.0.0/8").arg(plate.address);
        return std::nullopt;
    }
    for (int i = 1; i < parts.size(); ++i) {
        const QString name = parts[i].section(QLatin1Char('='), 0, 0);
        const QString value = parts[i].section(QLatin1Char('='), 1);
        const bool hasValue = parts[i].contains(QLatin1Char('='));
        const bool numeric = hasValue && parseNumber(value, number);
        if (name == QLatin1String("silent") && !hasValue) {
            plate.silent = true;
        } else if (name == QLatin1String("no-connect") && !hasValue) {
            plate.noConnect = true;
        } else if (name == QLatin1String("connect-delay") && numeric && number <= 3600000) {
            plate.connectDelayMs = int(number);
        } else if (name == QLatin1String("read-limit") && numeric) {
            plate.readLimit = number;
        } else if (name == QLatin1String("close-after") && numeric) {
            plate.closeAfter = number;
        } else if (name == QLatin1String("id-answer") && numeric && number <= 0x7FFFFFFF) {
            plate.idAnswer = int(number);
        } else if (name == QLatin1String("answer") && hasValue && value.size() % 2 == 0 &&
                   QByteArray::fromHex(value.toLatin1()).toHex() == value.toLower().toLatin1()) {
            plate.discoveryAnswer = QByteArray::fromHex(value.toLatin1());
        } else if (name == QLatin1String("chatter") && numeric) {
            plate.chatter = number;
        } else if (name == QLatin1String("connect-twice") && !hasValue) {
            plate.connectTwice = true;
        } else {
            error = QStringLiteral("unknown plate option \"%1\"").arg(parts[i]);
            return std::nullopt;
        }
    }
    return plate;
}

QString PlateOptionsHelp() {
    return QStringLiteral(
        "  silent            never answer a datagram\n"
        "  no-connect        never connect for a picture\n"
        "  connect-delay=MS  connect for a picture only after MS milliseconds\n"
        "  read-limit=N      stop reading a picture after N bytes\n"
        "  close-after=N     drop the picture connection after N bytes\n"
        "  id-answer=ID      answer an ID change with ID instead of the new one\n"
        "  answer=HEX        answer discovery with these bytes instead of the ID (may be empty)\n"
        "  chatter=N         write N bytes of noise to the program on the picture connection\n"
        "  connect-twice     open a second connection along with the one for the picture\n");
}

} // namespace platesim
