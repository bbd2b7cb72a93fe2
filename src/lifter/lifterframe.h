#pragma once

#include <QByteArray>

namespace delvora {

enum class LifterCommand { Up, Stop, Down };

// The five bytes the lifter takes for a command.
QByteArray lifterFrame(LifterCommand command);

} // namespace delvora
