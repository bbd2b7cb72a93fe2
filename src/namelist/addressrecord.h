#pragma once

#include <QString>

namespace delvora {

// One row of an address workbook: a plate and the three addresses it is to get, as the
// workbook holds them (dotted text).
struct AddressRecord {
    QString id; // plate ID text ("%d" form)
    QString address;
    QString mask;
    QString gateway;
};

} // namespace delvora

Q_DECLARE_TYPEINFO(delvora::AddressRecord, Q_RELOCATABLE_TYPE);
