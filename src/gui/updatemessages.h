#pragma once

#include "net/networkupdate.h"

class QProgressBar;
class QWidget;

namespace delvora {

class NameList;
class PictureServer;

// The window's side of the picture server and the network update: it starts them and turns
// their outcomes into the operator's message boxes and progress bar.
namespace UpdateMessages {

// Starts the picture server on `port`. A failure now, or a failed accept later, is shown as a
// warning naming the platform's error code. False when it does not listen.
bool startServer(PictureServer &server, quint16 port, QWidget *window);
// Shows the progress of `update` on `bar`, and how an update of one entry ended.
void follow(NetworkUpdate &update, QProgressBar *bar, QWidget *window);
// 网络更新: nothing without entries, the first selected entry alone, or every entry; each
// drawn with `look` and sent to its plate in `plates`.
void run(NetworkUpdate &update, const NameList &names, const PictureLook &look,
         const PlateAddresses &plates, QWidget *window);

} // namespace UpdateMessages
} // namespace delvora
