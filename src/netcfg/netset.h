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

class CSettings;
class IpAddressEdit;

// 网络设置: the operator picks the adapter through which the plates are reached, or types a
// fixed address to use instead of the adapter's own.
class CNetSet : public QDialog {
    Q_OBJECT
public:
    // `mac` is the stored adapter choice; `ip` the fixed address, shown when `fixed` is set.
    CNetSet(const QString &mac, bool fixed, const QString &ip, QWidget *parent = nullptr);

    void accept() override;

    // After OK: the adapter last selected (the stored one when none was), whether the fixed
    // address is used, and that address as the IP field's dotted text.
    QString m_strMac;
    QString m_strIp;
    bool m_bFixedIp = false;

    QComboBox *m_comboAdapter = nullptr;
    QLineEdit *m_editMac = nullptr;
    IpAddressEdit *m_ipCtrl = nullptr;
    QCheckBox *m_checkFixed = nullptr;

private:
    void OnInitDialog();
    void OnSelectAdapter(int index);

    QList<AdapterEntry> m_pAdapters;
};

// Command 网络: runs the dialog and, after OK, stores the choice in `settings`, saves it and
// returns the new local address. Nothing changes on Cancel.
std::optional<LocalAddress> RunNetworkSettings(CSettings &settings, const LocalAddress &current,
                                               QWidget *owner);

} // namespace delvora
