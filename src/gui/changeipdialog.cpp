#include "gui/changeipdialog.h"

#include <QLabel>
#include <QPushButton>

#include "gui/dialogunits.h"
#include "gui/ipaddressedit.h"

namespace delvora {

namespace {

quint32 toAddress(const Octets &octets) {
    return quint32(octets[0]) << 24 | quint32(octets[1]) << 16 | quint32(octets[2]) << 8 |
           quint32(octets[3]);
}

Octets toOctets(const IpAddressEdit &edit) {
    Octets octets{};
    for (int i = 0; i < 4; ++i)
        octets[i] = quint8(qBound(0, edit.octet(i), 255)); // a blank field reads 0
    return octets;
}

} // namespace

ChangeIpDialog::ChangeIpDialog(QWidget *parent) : QDialog(parent) {
    const DialogUnits du =
        setUpDialog(this, QStringLiteral("ChangeIpDialog"), tr("修改IP"), 182, 90);

    // Template order is tab order.
    auto *ok = new QPushButton(tr("确定"), this);
    ok->setObjectName(QStringLiteral("changeIpOk"));
    ok->setGeometry(du.toPixels(68, 69, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &ChangeIpDialog::accept);
    auto *cancel = new QPushButton(tr("取消"), this);
    cancel->setObjectName(QStringLiteral("changeIpCancel"));
    cancel->setGeometry(du.toPixels(125, 69, 50, 14));
    connect(cancel, &QPushButton::clicked, this, &ChangeIpDialog::reject);

    struct Field {
        IpAddressEdit *&edit;
        const char *name;
        QString label;
        QRect labelUnits;
        int y;
    };
    const Field fields[] = {
        {m_ipAddr, "ipAddr", QStringLiteral("IP"), {17, 17, 8, 8}, 15},
        {m_ipMask, "ipMask", tr("掩码"), {17, 30, 17, 8}, 31},
        {m_ipGateway, "ipGateway", tr("网关"), {17, 44, 17, 8}, 47},
    };
    for (const Field &f : fields) {
        auto *label = new QLabel(f.label, this);
        const QRect &u = f.labelUnits;
        QRect r = du.toPixels(u.x(), u.y(), u.width(), u.height());
        label->setGeometry(QRect(r.topLeft(), r.size().expandedTo(label->sizeHint())));
        f.edit = new IpAddressEdit(this);
        f.edit->setObjectName(QLatin1String(f.name));
        f.edit->setAccessibleName(f.label);
        f.edit->setGeometry(du.toPixels(51, f.y, 100, 15));
    }
}

int ChangeIpDialog::exec() {
    onInitDialog();
    return QDialog::exec();
}

void ChangeIpDialog::onInitDialog() {
    m_ipAddr->setAddress(toAddress(m_ip));
    m_ipMask->setAddress(toAddress(m_mask));
    m_ipGateway->setAddress(toAddress(m_gateway));
}

void ChangeIpDialog::accept() {
    m_ip = toOctets(*m_ipAddr);
    m_mask = toOctets(*m_ipMask);
    m_gateway = toOctets(*m_ipGateway);
    m_command = addressChangeDatagram(m_ip, m_mask, m_gateway);
    QDialog::accept();
}

} // namespace delvora
