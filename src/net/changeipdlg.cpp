#include "net/changeipdlg.h"

#include <QLabel>
#include <QPushButton>

#include "common/dialogunits.h"
#include "common/ipaddressedit.h"

namespace delvora {

namespace {

quint32 ToAddress(const Octets &octets) {
    return quint32(octets[0]) << 24 | quint32(octets[1]) << 16 | quint32(octets[2]) << 8 |
           quint32(octets[3]);
}

Octets ToOctets(const IpAddressEdit &edit) {
    Octets octets{};
    for (int i = 0; i < 4; ++i)
        octets[i] = quint8(qBound(0, edit.octet(i), 255)); // a blank field reads 0
    return octets;
}

} // namespace

CChangeIpDlg::CChangeIpDlg(QWidget *parent) : QDialog(parent) {
    const DialogUnits du = SetUpDialog(this, QStringLiteral("CChangeIpDlg"), tr("修改IP"), 182, 90);

    // Template order is tab order.
    auto *ok = new QPushButton(tr("确定"), this);
    ok->setObjectName(QStringLiteral("changeIpOk"));
    ok->setGeometry(du.toPixels(68, 69, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CChangeIpDlg::accept);
    auto *cancel = new QPushButton(tr("取消"), this);
    cancel->setObjectName(QStringLiteral("changeIpCancel"));
    cancel->setGeometry(du.toPixels(125, 69, 50, 14));
    connect(cancel, &QPushButton::clicked, this, &CChangeIpDlg::reject);

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

int CChangeIpDlg::exec() {
    OnInitDialog();
    return QDialog::exec();
}

void CChangeIpDlg::OnInitDialog() {
    m_ipAddr->setAddress(ToAddress(m_nIp));
    m_ipMask->setAddress(ToAddress(m_nMask));
    m_ipGateway->setAddress(ToAddress(m_nGateway));
}

void CChangeIpDlg::accept() {
    m_nIp = ToOctets(*m_ipAddr);
    m_nMask = ToOctets(*m_ipMask);
    m_nGateway = ToOctets(*m_ipGateway);
    m_szCommand = AddressChangeDatagram(m_nIp, m_nMask, m_nGateway);
    QDialog::accept();
}

} // namespace delvora
