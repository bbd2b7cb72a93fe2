#pragma once

#include <QHostAddress>
#include <QMetaType>
#include <QtGlobal>

namespace delvora {

// A plate's answer to a discovery probe, carried to the main window.
struct PlateReply {
    qint32 plateId = 0;  // 0 to 9999
    QHostAddress sender; // the answering plate
    quint16 senderPort = 0;
};

// Outcome of an ID change, carried to the main window.
enum IdChangeResult { IdChangeConfirmed = 0, IdChangeOtherId = 1, IdChangeTimeout = 2 };

} // namespace delvora

Q_DECLARE_METATYPE(delvora::PlateReply)
