#pragma once

#include <QDialog>
#include <QList>
#include <QString>
#include <optional>

#include "netcfg/adapterlist.h"
#include "netcfg/localaddress.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace delvora {

class NetworkSettings;
class IpAddressEdit;

// 网络设置: the operator picks the adapter through which the plates are reached, or types a
// fixed address to use instead of the adapter's own.
class NetworkDialog : public QDialog {
    Q_OBJECT
public:
    // `mac` is the stored adapter choice; `ip` the fixed address, shown when `fixed` is set.
    NetworkDialog(const QString &mac, bool fixed, const QString &ip, QWidget *parent = nullptr);

    void accept() override;

    // After OK: the adapter last selected (the stored one when none was), whether the fixed
    // address is used, and that address as the IP field's dotted text.
    QString m_mac;
    QString m_ip;
    bool m_fixedIp = false;

    QComboBox *m_comboAdapter = nullptr;
    QLineEdit *m_editMac = nullptr;
    IpAddressEdit *m_ipCtrl = nullptr;
    QCheckBox *m_checkFixed = nullptr;

private:
    void onInitDialog();
    void onSelectAdapter(int index);

    QList<AdapterEntry> m_adapters;
};

// Command 网络: runs the dialog and, after OK, stores the choice in `settings`, saves it and
// returns the new local address. Nothing changes on Cancel.
void runNetworkSettings(NetworkSettings &settings, QWidget *owner);

// The start-up step: loads the network settings and tells the operator when "settings.dat" is
// missing or cannot be read. When it is missing, the dialog follows, through the prompt.
void loadNetworkSettings(NetworkSettings &settings, QWidget *owner);

} // namespace delvora
