#include "netcfg/networkchoice.h"

#include <QFile>
#include <QSaveFile>

#include "netcfg/archive.h"

namespace delvora {

QString settingsFileName() {
    return QStringLiteral("settings.dat");
}

NetworkChoice::Load NetworkChoice::load() {
    QFile file(settingsFileName());
    if (!file.open(QIODevice::ReadOnly))
        return Load::Missing;
    Archive ar(file.readAll());
    if (file.error() != QFileDevice::NoError || !serialize(ar))
        return Load::Unreadable;
    return Load::Loaded;
}

bool NetworkChoice::save() {
    Archive ar;
    serialize(ar);
    QSaveFile file(settingsFileName());
    // Unbuffered: a short write must show here, since commit() overlooks a failed final flush
    // and would put a cut file in place of the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        file.write(ar.data()) != ar.data().size() || !file.commit())
        return false;
    return true;
}

bool NetworkChoice::serialize(Archive &ar) {
    if (ar.isStoring()) {
        ar.writeString(mac);
        ar.writeString(fixedIp);
        return true;
    }
    return ar.readString(mac) && ar.readString(fixedIp);
}

} // namespace delvora
