#pragma once

#include <QtGlobal>

#include "net/platedatagrams.h"

namespace delvora {

// The ports and time limits of the plate network. The defaults are what plates and operators
// have always had; tests choose ports of their own and short limits, so that they run side by
// side and wait little.
struct NetworkParameters {
    quint16 platePort = kPlatePort;           // UDP: plates listen here, and so does the program
    quint16 picturePort = kPictureServerPort; // TCP: plates fetch their pictures here
    int connectTimeoutMs = 2000;              // a plate asked for its picture connects within this
    int stallTimeoutMs = 10000;     // a plate that takes no byte for this long fails its picture
    int idAnswerMs = 3000;          // a renumbered plate confirms its new ID within this
    int presenceIntervalMs = 10000; // between two rounds of idle probes of the board's plates
};

} // namespace delvora
