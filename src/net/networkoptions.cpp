#include "net/networkoptions.h"

#include "layout/profile.h"
#include "net/networkupdate.h"

namespace delvora::NetworkOptions {

namespace {
QString section() {
    return QStringLiteral("Network");
}

// The value as a whole number, or `def` when it is missing or no number.
int readNumber(const QString &path, const QString &key, int def) {
    bool ok = false;
    const int value = Profile::readString(path, section(), key).trimmed().toInt(&ok);
    return ok ? value : def;
}
} // namespace

int parallel(const QString &path) {
    return qBound(1, readNumber(path, QStringLiteral("parallel"), NetworkUpdate::kDefaultParallel),
                  NetworkUpdate::kMaxParallel);
}

bool presence(const QString &path) {
    return readNumber(path, QStringLiteral("presence"), 1) != 0;
}

bool setPresence(const QString &path, bool on) {
    return Profile::writeStrings(
        path, section(),
        {{QStringLiteral("presence"), on ? QStringLiteral("1") : QStringLiteral("0")}});
}

} // namespace delvora::NetworkOptions
