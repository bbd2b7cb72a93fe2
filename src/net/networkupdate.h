#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "namelist/namerecord.h"
#include "net/errorlistfile.h"
#include "net/picturedelivery.h"
#include "net/picturerenderer.h"
#include "net/platestate.h"
#include <vector>

class QProgressBar;

namespace delvora {

class PlateSocket;
class NameList;
class PictureServer;
class PlateDesign;

// The network update (button "网络更新"): the selected entry's plate, or every entry's plate in
// list order, gets its picture. It runs on the event loop (ask the plate, wait for its
// connection or the time-out, stream), so the window stays usable; one update runs at a time.
// The update of all entries delivers to up to `parallel` plates at once, starting them in list
// order, while the pictures are rendered ahead on worker threads. Entries for the same plate
// follow one another, so the later entry's picture is the one the plate keeps.
class NetworkUpdate : public QObject {
    Q_OBJECT
public:
    // The address of the online plate with this ID text, empty when it is not listed.
    using PlateLookup = std::function<QString(const QString &plateId)>;

    NetworkUpdate(PictureServer &server, PlateSocket &socket, const PlateDesign &design,
                  PlateLookup findPlateIp, QObject *parent = nullptr);

    static constexpr int kDefaultParallel = 16;
    static constexpr int kMaxParallel = 64;

    void setProgressBar(QProgressBar *bar);
    // How many plates an update of all entries serves at once; held to 1..kMaxParallel.
    void setParallel(int parallel);
    int parallel() const { return m_parallel; }

    // The command: nothing without entries, the first selected entry alone, or all entries.
    void run(const NameList &names, QWidget *owner);
    // One entry; problems are shown in message boxes.
    void updateOne(const NameRecord &entry, QWidget *owner);
    // These entries in order; problems are written to "dispError.txt", which then opens in the
    // text editor. Later changes of the name list do not reach this copy.
    void updateAll(QList<NameRecord> entries, QWidget *owner);

    bool isRunning() const { return m_mode != Mode::Idle; }

signals:
    void runningChanged(bool running);
    // A plate's delivery began, progressed (percent of its picture) or ended.
    void plateStateChanged(const QString &address, delvora::PlateState state, int percent);

private:
    enum class Mode { Idle, One, All };
    static constexpr int kPending = -1;
    static constexpr int kDelivered = -2;

    void setMode(Mode mode);
    void pump();
    void renderAhead();
    // Starts entry `index` on a free delivery to `address`; false when it ended at once.
    bool startEntry(qsizetype index, const QString &address, const QByteArray &jpeg);
    void onDelivered(PictureDelivery::Outcome outcome);
    void onSlotDelivered(int slot, PictureDelivery::Outcome outcome);
    // Notes how entry `index` ended and writes the error list as far as it is complete.
    void record(qsizetype index, int result);
    void finishAll();
    void reportOutcome(const QString &address, PictureDelivery::Outcome outcome);
    // Writes the picture file of the entry; its size, or -1 when there is nothing to send.
    qint64 writeEntryPicture(const QByteArray &jpeg);

    const PlateDesign &m_design;
    PlateLookup m_findPlateIp;
    PictureDelivery m_delivery;
    Mode m_mode = Mode::Idle;
    QPointer<QWidget> m_owner;

    // The update of all entries.
    int m_parallel = kDefaultParallel;
    QPointer<QProgressBar> m_progress;
    QList<NameRecord> m_entries;
    QList<int> m_results;    // per entry: kPending, kDelivered or an ErrorListFile::Reason
    qsizetype m_next = 0;    // the next entry to start
    qsizetype m_written = 0; // entries up to here are in the error list
    qsizetype m_finished = 0;
    ErrorListFile m_errorList;
    PictureRenderer m_renderer;
    std::vector<PictureDelivery *> m_slots; // deliveries of the update of all entries
    QList<qsizetype> m_slotEntry;           // the entry each slot serves, or -1
    bool m_pumpQueued = false;
};

} // namespace delvora
