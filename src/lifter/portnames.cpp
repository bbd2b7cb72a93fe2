#include "lifter/portnames.h"

namespace delvora {

int comPortNumber(const QString &name) {
    static const QString prefix = QStringLiteral("COM");
    if (!name.startsWith(prefix))
        return 0;
    // Blanks and a sign may precede the digits; anything after them is ignored.
    qsizetype at = prefix.size();
    while (at < name.size() && name.at(at).isSpace())
        ++at;
    qsizetype end = at;
    if (end < name.size() && (name.at(end) == u'+' || name.at(end) == u'-'))
        ++end;
    while (end < name.size() && name.at(end) >= u'0' && name.at(end) <= u'9')
        ++end;
    bool ok = false;
    const int number = name.mid(at, end - at).toInt(&ok);
    return ok ? number : 0;
}

QString comDeviceName(int number) {
    return QStringLiteral("\\\\.\\COM%1").arg(number);
}

QString portDevice(const SerialPortName &port) {
#ifdef Q_OS_WIN
    return comDeviceName(comPortNumber(port.name));
#else
    return port.location;
#endif
}

} // namespace delvora
