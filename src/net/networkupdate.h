#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "namelist/namerecord.h"
#include "net/errorlistfile.h"
#include "net/picturedelivery.h"

class QProgressBar;

namespace delvora {

class CUdpSocket;
class NameList;
class PictureServer;
class PlateCanvas;
struct PlateLayout;

// The network update (button "网络更新"): the selected entry's plate, or every entry's plate in
// list order, gets its picture. It runs on the event loop one step at a time (render, ask the
// plate, wait for its connection or the time-out, stream, next), so the window stays usable;
// one update runs at a time.
class NetworkUpdate : public QObject {
    Q_OBJECT
public:
    // The address of the online plate with this ID text, empty when it is not listed.
    using PlateLookup = std::function<QString(const QString &plateId)>;

    NetworkUpdate(PictureServer &server, CUdpSocket &socket, PlateLayout &layout,
                  PlateCanvas &canvas, PlateLookup findPlateIp, QObject *parent = nullptr);

    void setProgressBar(QProgressBar *bar) { m_delivery.setProgressBar(bar); }

    // The command: nothing without entries, the first selected entry alone, or all entries.
    void Run(const NameList &names, QWidget *owner);
    // One entry; problems are shown in message boxes.
    void UpdateOne(const NameRecord &entry, QWidget *owner);
    // These entries in order; problems are written to "dispError.txt", which then opens in the
    // text editor. Later changes of the name list do not reach this copy.
    void UpdateAll(QList<NameRecord> entries, QWidget *owner);

    bool isRunning() const { return m_mode != Mode::Idle; }

signals:
    void runningChanged(bool running);

private:
    enum class Mode { Idle, One, All };

    void SetMode(Mode mode);
    void NextEntry();
    void PrepareNext();
    void OnDelivered(PictureDelivery::Outcome outcome);
    void FinishAll();
    // Writes the picture file of the entry; its size, or -1 when there is nothing to send.
    qint64 WriteEntryPicture(const QByteArray &jpeg);

    PlateLayout &m_layout;
    PlateCanvas &m_canvas;
    PlateLookup m_findPlateIp;
    PictureDelivery m_delivery;
    Mode m_mode = Mode::Idle;
    QPointer<QWidget> m_owner;

    // The update of all entries.
    QList<NameRecord> m_entries;
    qsizetype m_next = 0;
    ErrorListFile m_errorList;
    // The picture of the entry after the one being delivered, rendered while its plate connects.
    qsizetype m_preparedIndex = -1;
    QByteArray m_prepared;
};

} // namespace delvora
