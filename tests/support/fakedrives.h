#pragma once

#include "usb/drivelist.h"

namespace delvora::test {

// Temporary folders standing in for USB drives, installed while the object lives.
class FakeDrives : public DriveList {
public:
    explicit FakeDrives(QList<DriveInfo> drives) : m_drives(std::move(drives)) {
        DriveList::setInstance(this);
    }
    ~FakeDrives() override { DriveList::setInstance(nullptr); }
    QList<DriveInfo> drives() const override { return m_drives; }

private:
    QList<DriveInfo> m_drives;
};

} // namespace delvora::test
