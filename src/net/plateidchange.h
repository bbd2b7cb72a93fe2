#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <optional>

#include "net/platereply.h"

namespace delvora {

class PlateSocket;

// 修改ID: gives one plate a new ID and awaits its answer, which must carry that ID. The change
// owns its wait: the answer counts only while the wait lasts (3 s unless set otherwise).
class PlateIdChange : public QObject {
    Q_OBJECT
public:
    explicit PlateIdChange(PlateSocket &socket, QObject *parent = nullptr);

    void setAnswerWait(int ms) { m_timer.setInterval(ms); }

    // The new ID the operator typed, read as the ID edit always has (leading blanks, digits up
    // to the first other character, 0 without any); nothing when it is out of range.
    static std::optional<int> parseNewId(const QString &text);

    // Sends the change to the plate at `address` and awaits its answer; an earlier wait ends
    // without a result.
    void start(const QString &address, int newId);
    bool isWaiting() const;

signals:
    // The plate answered or the wait ran out; once per change.
    void finished(delvora::IdChangeResult result);

private:
    void onAnswer(int result);
    void onTimeout();

    PlateSocket &m_socket;
    QTimer m_timer;
};

} // namespace delvora
