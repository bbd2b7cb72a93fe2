#pragma once

class QWidget;

namespace delvora {

class ChangeIpDialog;
class PlateSocket;
class OnlinePlates;

// 修改IP: sends the plate at the selection mark of the online list a new address, mask and
// gateway, which it takes over when it restarts. No answer is awaited.
class PlateAddressChange {
public:
    // Runs the dialog and, after OK and a confirmation, sends its datagram. True when sent.
    static bool command(const OnlinePlates &plates, ChangeIpDialog &dialog, PlateSocket &socket,
                        QWidget *owner);
};

} // namespace delvora
