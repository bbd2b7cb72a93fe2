#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>

namespace delvora::test {

// Runs `act` on the next modal dialog of type `Dialog` once it is open, so that a test can
// drive a dialog that the program runs with exec(). Header only.
template <typename Dialog> void whenModal(std::function<void(Dialog *)> act) {
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        if (auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            act(dialog);
        }
    });
    poll->start(10);
}

} // namespace delvora::test
