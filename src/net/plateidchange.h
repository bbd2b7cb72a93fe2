#pragma once

#include <QString>

class QWidget;

namespace delvora {

class PlateSocket;
class OnlinePlates;

// 修改ID: gives the plate at the selection mark of the online list a new ID and awaits its
// answer, which must carry that ID.
class PlateIdChange {
public:
    // How long the plate has to answer.
    static constexpr int kAnswerWaitMs = 3000;

    // Checks the new ID typed by the operator, asks, sends the change and starts awaiting the
    // answer. True when the change went out; the caller then times the wait.
    static bool command(const OnlinePlates &plates, const QString &newIdText, PlateSocket &socket,
                        QWidget *owner);
    // The wait ran out. True when the answer was still awaited (the change timed out); the
    // wait is over either way.
    static bool timeOut(PlateSocket &socket);
    // Tells the operator the outcome (an IdChangeResult). True when the plates are to be found
    // again, so that the plate is listed under its new ID.
    static bool showResult(int result, QWidget *owner);
};

} // namespace delvora
