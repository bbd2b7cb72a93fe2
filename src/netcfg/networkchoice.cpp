#include "netcfg/networkchoice.h"

#include <QFile>
#include <QSaveFile>

#include "gui/prompt.h"
#include "netcfg/archive.h"
#include "netcfg/netcfgtexts.h"

namespace delvora {

QString settingsFileName() {
    return QStringLiteral("settings.dat");
}

bool NetworkChoice::load(QWidget *owner) {
    QFile file(settingsFileName());
    if (!file.open(QIODevice::ReadOnly)) {
        Prompt::warning(owner, netcfgtexts::settingsMissing());
        return false;
    }
    Archive ar(file.readAll());
    if (file.error() != QFileDevice::NoError || !serialize(ar)) {
        Prompt::warning(owner, netcfgtexts::settingsUnreadable());
        return false;
    }
    return true;
}

bool NetworkChoice::save(QWidget *owner) {
    Archive ar;
    serialize(ar);
    QSaveFile file(settingsFileName());
    // Unbuffered: a short write must show here, since commit() overlooks a failed final flush
    // and would put a cut file in place of the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        file.write(ar.data()) != ar.data().size() || !file.commit()) {
        Prompt::warning(owner, netcfgtexts::settingsNotSaved());
        return false;
    }
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
