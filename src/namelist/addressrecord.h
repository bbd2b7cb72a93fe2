#pragma once

#include <QString>

namespace delvora {

// One row of an address workbook: a plate and the three addresses it is to get, as the
// workbook holds them (dotted text).
struct AddressRecord {
    QString m_strId; // plate ID text ("%d" form)
    QString m_strIp;
    QString m_strMask;
    QString m_strGateway;
};

} // namespace delvora

Q_DECLARE_TYPEINFO(delvora::AddressRecord, Q_RELOCATABLE_TYPE);
