#include "netcfg/settings.h"

#include <QFile>
#include <QSaveFile>

#include "common/prompt.h"
#include "netcfg/archive.h"
#include "netcfg/netcfgtexts.h"

namespace delvora {

QString SettingsFileName() {
    return QStringLiteral("settings.dat");
}

bool CSettings::Load(QWidget *owner) {
    QFile file(SettingsFileName());
    if (!file.open(QIODevice::ReadOnly)) {
        Prompt::warning(owner, netcfgtexts::settingsMissing());
        return false;
    }
    CArchive ar(file.readAll());
    if (file.error() != QFileDevice::NoError || !Serialize(ar)) {
        Prompt::warning(owner, netcfgtexts::settingsUnreadable());
        return false;
    }
    return true;
}

bool CSettings::Save(QWidget *owner) {
    CArchive ar;
    Serialize(ar);
    QSaveFile file(SettingsFileName());
    // Unbuffered: a short write must show here, since commit() overlooks a failed final flush
    // and would put a cut file in place of the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        file.write(ar.data()) != ar.data().size() || !file.commit()) {
        Prompt::warning(owner, netcfgtexts::settingsNotSaved());
        return false;
    }
    return true;
}

bool CSettings::Serialize(CArchive &ar) {
    if (ar.IsStoring()) {
        ar.WriteString(m_strMac);
        ar.WriteString(m_strIp);
        return true;
    }
    return ar.ReadString(m_strMac) && ar.ReadString(m_strIp);
}

} // namespace delvora
