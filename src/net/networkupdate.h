#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <vector>

#include "layout/picturerun.h"
#include "namelist/namerecord.h"
#include "net/errorlistfile.h"
#include "net/picturedelivery.h"
#include "net/platestate.h"

namespace delvora {

class PlateSocket;
class PictureServer;

// The plates on the board when an update starts: plate ID text -> its address.
using PlateAddresses = QHash<QString, QString>;

// The network update (button "网络更新"): the selected entry's plate, or every entry's plate in
// list order, gets its picture. It runs on the event loop (ask the plate, wait for its
// connection or the time-out, stream), so the window stays usable; one update runs at a time.
// The pictures are drawn ahead on the picture pool, only for entries whose plate is on the
// board. Up to `parallel` plates are served at once, started in list order; entries for the
// same plate follow one another, so the later entry's picture is the one the plate keeps.
// Updating one entry is the same update over a list of one, with its outcome reported instead
// of an error list.
class NetworkUpdate : public QObject {
    Q_OBJECT
public:
    enum class Start { Started, Busy, NotOnline, NoErrorList };
    // How the update of one entry ended.
    enum class Outcome { Delivered, NoPicture, TimedOut, Failed };

    NetworkUpdate(PictureServer &server, PlateSocket &socket, QObject *parent = nullptr);

    static constexpr int kDefaultParallel = 16;
    static constexpr int kMaxParallel = 64;

    // How many plates an update of all entries serves at once; held to 1..kMaxParallel.
    void setParallel(int parallel);
    int parallel() const { return m_parallel; }
    // How long a plate has to connect, and to take the next bytes of its picture.
    void setTimeLimits(int connectMs, int stallMs);

    // One entry, drawn with `look`, to its plate in `plates`; `oneFinished` follows when started.
    Start updateOne(const PictureLook &look, const NameRecord &entry, const PlateAddresses &plates);
    // These entries in order; problems are written to "dispError.txt", which then opens in the
    // text editor. Later changes of the name list, the design or the board do not reach it.
    Start updateAll(const PictureLook &look, QList<NameRecord> entries,
                    const PlateAddresses &plates);

    bool isRunning() const { return m_mode != Mode::Idle; }

signals:
    void runningChanged(bool running);
    // A plate's delivery began, progressed (percent of its picture) or ended.
    void plateStateChanged(const QString &address, delvora::PlateState state, int percent);
    // How far the update is: bytes of the one picture, or entries finished of all.
    void progressed(qint64 done, qint64 total);
    // The update of one entry ended.
    void oneFinished(delvora::NetworkUpdate::Outcome outcome);

private:
    enum class Mode { Idle, One, All };
    static constexpr int kPending = -1;
    static constexpr int kDelivered = -2;

    void begin(Mode mode, const PictureLook &look, QList<NameRecord> entries,
               const PlateAddresses &plates);
    void setMode(Mode mode);
    void pump();
    void queuePump();
    // Starts entry `index` on a free delivery to `address`; false when it ended at once.
    bool startEntry(qsizetype index, const QString &address, const QByteArray &jpeg);
    void onSlotDelivered(int slot, PictureDelivery::Outcome outcome);
    // Notes how entry `index` ended and writes the error list as far as it is complete.
    void record(qsizetype index, int result);
    void finish(Outcome outcome);
    void reportOutcome(const QString &address, PictureDelivery::Outcome outcome);

    Mode m_mode = Mode::Idle;
    int m_parallel = kDefaultParallel;
    QList<NameRecord> m_entries;
    QStringList m_addresses; // per entry: its plate's address, empty when not on the board
    QList<int> m_pictures;   // per entry: its picture's index in the run, or -1
    QList<int> m_results;    // per entry: kPending, kDelivered or an ErrorListFile::Reason
    qsizetype m_next = 0;    // the next entry to start
    qsizetype m_written = 0; // entries up to here are in the error list
    qsizetype m_finished = 0;
    ErrorListFile m_errorList;
    QPointer<PictureRun> m_run;
    std::vector<PictureDelivery *> m_slots;
    QList<qsizetype> m_slotEntry; // the entry each slot serves, or -1
    bool m_pumpQueued = false;
};

} // namespace delvora
