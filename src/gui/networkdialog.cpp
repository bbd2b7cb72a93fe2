#include "gui/networkdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHostAddress>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>

#include "gui/dialogunits.h"
#include "gui/ipaddressedit.h"
#include "gui/prompt.h"
#include "netcfg/netcfgtexts.h"

namespace delvora {

namespace {

void addLabel(QWidget *parent, const DialogUnits &du, QRect units, const QString &text) {
    auto *l = new QLabel(text, parent);
    QRect r = du.toPixels(units.x(), units.y(), units.width(), units.height());
    r.setSize(r.size().expandedTo(l->sizeHint()));
    l->setGeometry(r);
}

} // namespace

NetworkDialog::NetworkDialog(const QString &mac, bool fixed, const QString &ip, QWidget *parent)
    : QDialog(parent), m_mac(mac), m_ip(ip), m_fixedIp(fixed) {
    const DialogUnits du =
        setUpDialog(this, QStringLiteral("NetworkDialog"), tr("网络设置"), 310, 113);

    // Template order is tab order.
    auto *ok = new QPushButton(tr("确定"), this);
    ok->setObjectName(QStringLiteral("netSetOk"));
    ok->setGeometry(du.toPixels(200, 92, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &NetworkDialog::accept);
    auto *cancel = new QPushButton(tr("取消"), this);
    cancel->setObjectName(QStringLiteral("netSetCancel"));
    cancel->setGeometry(du.toPixels(253, 92, 50, 14));
    connect(cancel, &QPushButton::clicked, this, &NetworkDialog::reject);

    m_comboAdapter = new QComboBox(this);
    m_comboAdapter->setObjectName(QStringLiteral("adapterCombo"));
    m_comboAdapter->setAccessibleName(tr("网卡"));
    m_comboAdapter->setGeometry(du.toPixels(46, 22, 243, 12));
    m_comboAdapter->resize(m_comboAdapter->width(),
                           std::max(m_comboAdapter->sizeHint().height(), du.y(12)));
    auto *group = new QGroupBox(tr("网卡选择"), this);
    group->setGeometry(du.toPixels(7, 7, 296, 79));
    group->setAttribute(Qt::WA_TransparentForMouseEvents);
    group->lower();
    m_editMac = new QLineEdit(this);
    m_editMac->setObjectName(QStringLiteral("macEdit"));
    m_editMac->setAccessibleName(QStringLiteral("MAC"));
    m_editMac->setReadOnly(true);
    m_editMac->setGeometry(du.toPixels(45, 42, 244, 14));
    addLabel(this, du, {12, 24, 25, 8}, tr("网卡："));
    addLabel(this, du, {12, 45, 24, 8}, tr("MAC："));
    m_ipCtrl = new IpAddressEdit(this);
    m_ipCtrl->setObjectName(QStringLiteral("ipAddress"));
    m_ipCtrl->setAccessibleName(tr("IP地址"));
    m_ipCtrl->setGeometry(du.toPixels(45, 63, 100, 15));
    addLabel(this, du, {12, 65, 32, 8}, tr("IP地址："));
    m_checkFixed = new QCheckBox(tr("使用固定IP"), this);
    m_checkFixed->setObjectName(QStringLiteral("fixedIp"));
    m_checkFixed->setGeometry(du.toPixels(169, 66, 55, 10));
    m_checkFixed->resize(m_checkFixed->size().expandedTo(m_checkFixed->sizeHint()));

    onInitDialog();
    connect(m_comboAdapter, &QComboBox::activated, this, &NetworkDialog::onSelectAdapter);
}

void NetworkDialog::onInitDialog() {
    m_comboAdapter->clear();
    m_adapters = AdapterList::instance().adapters();
    int selected = -1;
    for (int i = 0; i < m_adapters.size(); ++i) {
        // With two equal MAC texts the later adapter is preselected.
        if (!m_mac.isEmpty() && m_adapters[i].mac == m_mac)
            selected = i;
        m_comboAdapter->addItem(m_adapters[i].description);
    }
    m_comboAdapter->setCurrentIndex(selected);
    if (selected >= 0)
        onSelectAdapter(selected);
    if (m_fixedIp)
        m_ipCtrl->setText(m_ip);
    m_checkFixed->setChecked(m_fixedIp);
}

void NetworkDialog::onSelectAdapter(int index) {
    if (index < 0 || index >= m_adapters.size())
        return;
    // Choosing an adapter shows its address even over a typed fixed address.
    const AdapterEntry &adapter = m_adapters[index];
    m_editMac->setText(adapter.mac);
    m_ipCtrl->setAddress(QHostAddress(adapter.ip).toIPv4Address());
    m_mac = adapter.mac;
}

void NetworkDialog::accept() {
    m_fixedIp = m_checkFixed->isChecked();
    if (m_fixedIp)
        m_ip = m_ipCtrl->text();
    QDialog::accept();
}

namespace {
// Shows the stored choice, runs the dialog with `run` and, after OK, keeps and saves the new one.
void chooseNetwork(NetworkSettings &settings, QWidget *owner,
                   const std::function<int(QDialog *)> &run) {
    const LocalAddress &current = settings.local();
    NetworkDialog dialog(settings.choice().mac, current.fixed,
                         current.fixed ? current.ip : QString(), owner);
    if (run(&dialog) != QDialog::Accepted)
        return;
    // A failed save is reported but the choice stays in force.
    if (!settings.choose(dialog.m_fixedIp, dialog.m_mac, dialog.m_ip))
        Prompt::warning(owner, netcfgtexts::settingsNotSaved());
}
} // namespace

void runNetworkSettings(NetworkSettings &settings, QWidget *owner) {
    chooseNetwork(settings, owner, [](QDialog *dialog) { return dialog->exec(); });
}

void loadNetworkSettings(NetworkSettings &settings, QWidget *owner) {
    const NetworkChoice::Load result = settings.load();
    const QString message = netcfgtexts::loadMessage(result);
    if (!message.isEmpty())
        Prompt::warning(owner, message);
    // Without the file this is a first start, and nothing reaches the plates before an adapter
    // or a fixed address is chosen.
    if (result == NetworkChoice::Load::Missing)
        chooseNetwork(settings, owner,
                      [](QDialog *dialog) { return Prompt::instance().runDialog(dialog); });
}

} // namespace delvora
