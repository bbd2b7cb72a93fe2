#include "usb/usbprovisioning.h"

#include <QComboBox>

#include "common/prompt.h"
#include "usb/drivelist.h"
#include "usb/idlistfile.h"
#include "usb/idrangedlg.h"

namespace delvora {

UsbProvisioning::UsbProvisioning(QComboBox *driveBox, QWidget *owner)
    : QObject(owner), m_driveBox(driveBox), m_owner(owner) {}

void UsbProvisioning::FillDrives() {
    FillDriveList(m_driveBox);
}

void UsbProvisioning::OnMakeIdFile() {
    const std::optional<QString> root = SelectedDriveRoot(m_driveBox, m_owner);
    if (!root)
        return;
    CIdRangeDlg dialog(m_owner);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString error =
        WriteIdListFile(DrivePath(*root, QStringLiteral("ID.txt")), dialog.m_nStart, dialog.m_nEnd);
    if (!error.isEmpty()) {
        Prompt::stop(m_owner, error);
        return;
    }
    Prompt::plain(m_owner, QStringLiteral("生成ID配置文档成功！"));
}

} // namespace delvora
