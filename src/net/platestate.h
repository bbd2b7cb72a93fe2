#pragma once

#include <QMetaType>

namespace delvora {

// What the plate board shows of a plate in its 状态 column.
enum class PlateState {
    Online,         // answered lately
    Offline,        // missed three probes in a row
    Updating,       // its picture is being delivered
    Updated,        // took its picture
    NotConnected,   // asked for its picture, never connected in time
    TransferFailed, // connected, but the picture did not get through
    NotListed,      // no entry of the name list carries its ID
};

} // namespace delvora

Q_DECLARE_METATYPE(delvora::PlateState)
