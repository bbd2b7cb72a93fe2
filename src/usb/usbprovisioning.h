#pragma once

#include <QObject>

class QComboBox;
class QWidget;

namespace delvora {

// The USB drive commands: plate pictures, the ID list file and the address files, written to
// the drive chosen in the drive box.
class UsbProvisioning : public QObject {
    Q_OBJECT
public:
    UsbProvisioning(QComboBox *driveBox, QWidget *owner);

    // Fills the drive box at start-up.
    void FillDrives();

public slots:
    // "生成ID": asks for a range and writes ID.txt in the drive root.
    void OnMakeIdFile();

private:
    QComboBox *m_driveBox;
    QWidget *m_owner;
};

} // namespace delvora
