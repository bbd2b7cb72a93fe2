#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>
#include <functional>

namespace delvora {

class PlateBoard;
class PlateSocket;
struct PlateReply;

// The idle check of the plates on the board: every plate listed there gets a unicast probe
// ("hello") every 10 s (unless set otherwise); one that missed three probes in a row is shown
// offline, and any answer brings it back. Nothing goes to addresses off the board, and nothing
// while the program awaits a plate (an update runs or a plate command awaits its answer).
class PresenceCheck : public QObject {
    Q_OBJECT
public:
    static constexpr int kMissedForOffline = 3;
    // True while the program awaits a plate.
    using Busy = std::function<bool()>;

    PresenceCheck(PlateSocket &socket, PlateBoard &board, Busy busy, QObject *parent = nullptr);

    void setEnabled(bool on);
    bool isEnabled() const { return m_timer.isActive(); }
    void setInterval(int ms) { m_timer.setInterval(ms); }

    // An answer from a plate: it has missed nothing.
    void onPlateReply(const PlateReply &reply);

private:
    void probe();

    PlateSocket &m_udp;
    PlateBoard &m_board;
    Busy m_busy;
    QTimer m_timer;
    QSet<QString> m_awaiting;     // probed on the last round, no answer yet
    QHash<QString, int> m_missed; // probes missed in a row
};

} // namespace delvora
