#include "net/networkupdate.h"

#include <QTimer>
#include <algorithm>

#include "net/editorlauncher.h"
#include "net/platepicture.h"

namespace delvora {

namespace {
QString errorListPath() {
    return QStringLiteral("dispError.txt");
}
// Entries without a listed plate handled in one go before the event loop gets its turn, so a
// long list of offline plates cannot hold the window.
constexpr int kOfflineBatch = 64;
} // namespace

NetworkUpdate::NetworkUpdate(PictureServer &server, PlateSocket &socket, QObject *parent)
    : QObject(parent) {
    for (int slot = 0; slot < kMaxParallel; ++slot) {
        auto *delivery = new PictureDelivery(server, socket, this);
        connect(delivery, &PictureDelivery::finished, this,
                [this, slot](PictureDelivery::Outcome outcome) { onSlotDelivered(slot, outcome); });
        connect(delivery, &PictureDelivery::progressed, this,
                [this, delivery](qint64 sent, qint64 size) {
                    emit plateStateChanged(delivery->address(), PlateState::Updating,
                                           size > 0 ? int(sent * 100 / size) : 0);
                    if (m_mode == Mode::One)
                        emit progressed(sent, size);
                });
        m_slots.push_back(delivery);
    }
    m_slotEntry.fill(-1, kMaxParallel);
}

void NetworkUpdate::setParallel(int parallel) {
    m_parallel = qBound(1, parallel, kMaxParallel);
}

void NetworkUpdate::setTimeLimits(int connectMs, int stallMs) {
    for (PictureDelivery *delivery : m_slots)
        delivery->setTimeLimits(connectMs, stallMs);
}

NetworkUpdate::Start NetworkUpdate::updateOne(const PictureLook &look, const NameRecord &entry,
                                              const PlateAddresses &plates) {
    if (isRunning())
        return Start::Busy;
    if (plates.value(entry.id).isEmpty())
        return Start::NotOnline;
    begin(Mode::One, look, {entry}, plates);
    return Start::Started;
}

NetworkUpdate::Start NetworkUpdate::updateAll(const PictureLook &look, QList<NameRecord> entries,
                                              const PlateAddresses &plates) {
    if (isRunning())
        return Start::Busy;
    if (!m_errorList.create(errorListPath()))
        return Start::NoErrorList;
    begin(Mode::All, look, std::move(entries), plates);
    return Start::Started;
}

void NetworkUpdate::begin(Mode mode, const PictureLook &look, QList<NameRecord> entries,
                          const PlateAddresses &plates) {
    m_entries = std::move(entries);
    m_addresses.clear();
    m_pictures.clear();
    QList<PlateTexts> texts;
    for (const NameRecord &entry : std::as_const(m_entries)) {
        const QString address = plates.value(entry.id);
        m_addresses << address;
        m_pictures << (address.isEmpty() ? -1 : int(texts.size()));
        if (!address.isEmpty())
            texts << entry.texts();
    }
    m_results.fill(kPending, m_entries.size());
    m_next = 0;
    m_written = 0;
    m_finished = 0;
    // Enough pictures in hand to refill every delivery, but no more: each is held in memory.
    m_run = new PictureRun(look, std::move(texts), this);
    m_run->setAhead(2 * m_parallel + 2);
    connect(m_run, &PictureRun::ready, this, &NetworkUpdate::pump);
    m_run->start();
    setMode(mode);
    if (mode == Mode::All)
        emit progressed(0, m_entries.size());
    pump();
}

void NetworkUpdate::queuePump() {
    if (m_pumpQueued)
        return;
    m_pumpQueued = true;
    QTimer::singleShot(0, this, &NetworkUpdate::pump);
}

void NetworkUpdate::pump() {
    m_pumpQueued = false;
    if (!isRunning())
        return;
    int offline = 0;
    int active = int(std::count_if(m_slotEntry.cbegin(), m_slotEntry.cend(),
                                   [](qsizetype e) { return e >= 0; }));
    while (m_next < m_entries.size() && active < m_parallel) {
        const qsizetype index = m_next;
        const QString &address = m_addresses.at(index);
        if (address.isEmpty()) {
            ++m_next;
            record(index, int(ErrorListFile::Reason::NotOnline));
            if (++offline >= kOfflineBatch) {
                queuePump();
                break;
            }
            continue;
        }
        // One picture at a time per plate, in list order.
        const bool plateBusy = std::any_of(m_slots.cbegin(), m_slots.cend(), [&](auto *d) {
            return d->isActive() && d->address() == address;
        });
        if (plateBusy)
            break;
        const int picture = m_pictures.at(index);
        if (!m_run->isReady(picture))
            break; // pump runs again once it is drawn
        ++m_next;
        if (startEntry(index, address, m_run->take(picture)))
            ++active;
        if (!isRunning())
            return;
    }
    if (m_mode == Mode::All && !m_pumpQueued && m_next >= m_entries.size() && active == 0) {
        m_errorList.close();
        finish(Outcome::Delivered);
        EditorLauncher::instance().openTextFile(m_errorList.path());
    }
}

bool NetworkUpdate::startEntry(qsizetype index, const QString &address, const QByteArray &jpeg) {
    if (jpeg.isEmpty()) {
        // Nothing could be drawn: the plate keeps the picture it has.
        if (m_mode == Mode::One) {
            finish(Outcome::NoPicture);
        } else {
            record(index, int(ErrorListFile::Reason::TransferFailed));
            emit plateStateChanged(address, PlateState::TransferFailed, 0);
        }
        return false;
    }
    // The picture file stays the record of the last picture sent; the plate is sent the
    // picture in hand, so a file that cannot be written stops nothing.
    writePlatePicture(jpeg);
    const auto free = std::find(m_slotEntry.begin(), m_slotEntry.end(), -1);
    const int slot = int(free - m_slotEntry.begin());
    m_slotEntry[slot] = index;
    emit plateStateChanged(address, PlateState::Updating, 0);
    m_slots[size_t(slot)]->start(address, jpeg);
    return true;
}

void NetworkUpdate::onSlotDelivered(int slot, PictureDelivery::Outcome outcome) {
    const qsizetype index = m_slotEntry.at(slot);
    m_slotEntry[slot] = -1;
    if (!isRunning() || index < 0)
        return;
    reportOutcome(m_slots[size_t(slot)]->address(), outcome);
    if (m_mode == Mode::One) {
        finish(outcome == PictureDelivery::TimedOut ? Outcome::TimedOut
               : outcome == PictureDelivery::Failed ? Outcome::Failed
                                                    : Outcome::Delivered);
        return;
    }
    if (outcome == PictureDelivery::TimedOut)
        record(index, int(ErrorListFile::Reason::ConnectTimeout));
    else if (outcome == PictureDelivery::Failed)
        record(index, int(ErrorListFile::Reason::TransferFailed));
    else
        record(index, kDelivered);
    queuePump();
}

void NetworkUpdate::record(qsizetype index, int result) {
    m_results[index] = result;
    ++m_finished;
    emit progressed(m_finished, m_entries.size());
    // The error list keeps the order of the name list, not the order plates finish in.
    while (m_written < m_results.size() && m_results.at(m_written) != kPending) {
        const int r = m_results.at(m_written);
        if (r != kDelivered)
            m_errorList.append(m_entries.at(m_written).id, ErrorListFile::Reason(r));
        ++m_written;
    }
}

void NetworkUpdate::finish(Outcome outcome) {
    const Mode mode = m_mode;
    m_entries.clear();
    m_results.clear();
    // It may be the run's own signal that got here.
    if (m_run)
        m_run->deleteLater();
    m_run = nullptr;
    setMode(Mode::Idle);
    if (mode == Mode::One)
        emit oneFinished(outcome);
}

void NetworkUpdate::reportOutcome(const QString &address, PictureDelivery::Outcome outcome) {
    const PlateState state = outcome == PictureDelivery::Delivered  ? PlateState::Updated
                             : outcome == PictureDelivery::TimedOut ? PlateState::NotConnected
                                                                    : PlateState::TransferFailed;
    emit plateStateChanged(address, state, 100);
}

void NetworkUpdate::setMode(Mode mode) {
    const bool wasRunning = isRunning();
    m_mode = mode;
    if (wasRunning != isRunning())
        emit runningChanged(isRunning());
}

} // namespace delvora
