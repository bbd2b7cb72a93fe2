#include "lifter/lifterframe.h"

namespace delvora {

QByteArray lifterFrame(LifterCommand command) {
    // Four fixed bytes, then the command.
    QByteArray frame("\xFF\xEE\xEE\xEE", 4);
    switch (command) {
    case LifterCommand::Up:
        frame.append('\xDD');
        break;
    case LifterCommand::Stop:
        frame.append('\xCC');
        break;
    case LifterCommand::Down:
        frame.append('\xEE');
        break;
    }
    return frame;
}

} // namespace delvora
