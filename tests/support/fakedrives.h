#pragma once

#include <QStringList>

#include "usb/drivelist.h"

namespace delvora::test {

// Volumes standing in for the computer's, installed while the object lives; folders of a
// temporary directory serve as their mount points. The mount-point rules apply unless a test
// asks for drive letters, so both are tried on any system.
class FakeDrives : public DriveList {
public:
    explicit FakeDrives(QList<DriveInfo> drives, DriveRules rules = DriveRules::Mounts)
        : m_drives(std::move(drives)), m_rules(rules) {
        DriveList::setInstance(this);
    }
    ~FakeDrives() override { DriveList::setInstance(nullptr); }

    static DriveInfo volume(const QString &root, qint64 bytes, const QString &label = QString(),
                            const QString &device = QString(), bool readOnly = false) {
        return {root, bytes, label, device, readOnly};
    }
    // A USB stick mounted at `root`: writable, 1 GiB unless told, on a removable device.
    static DriveInfo stick(const QString &root, qint64 bytes = qint64(1) << 30,
                           const QString &label = QString()) {
        return volume(root, bytes, label, QStringLiteral("/dev/sdz1"));
    }

    QList<DriveInfo> drives() const override { return m_drives; }
    bool removableDevice(const QString &device) const override {
        return removable.contains(device);
    }
    DriveRules rules() const override { return m_rules; }

    // Sticks plugged in or pulled out.
    void setDrives(QList<DriveInfo> drives) { m_drives = std::move(drives); }

    QStringList removable{QStringLiteral("/dev/sdz1")}; // devices that say they are removable

private:
    QList<DriveInfo> m_drives;
    DriveRules m_rules;
};

} // namespace delvora::test
