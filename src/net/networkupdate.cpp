#include "net/networkupdate.h"

#include <QProgressBar>
#include <QTimer>
#include <QWidget>

#include "gui/prompt.h"
#include "layout/platedesign.h"
#include "namelist/namelist.h"
#include "net/editorlauncher.h"
#include "net/platepicture.h"
#include "net/updatetexts.h"

namespace delvora {

namespace {
QString errorListPath() {
    return QStringLiteral("dispError.txt");
}
// Entries without a listed plate handled in one go before the event loop gets its turn, so a
// long list of offline plates cannot hold the window.
constexpr int kOfflineBatch = 64;
} // namespace

NetworkUpdate::NetworkUpdate(PictureServer &server, PlateSocket &socket, const PlateDesign &design,
                             PlateLookup findPlateIp, QObject *parent)
    : QObject(parent), m_design(design), m_findPlateIp(std::move(findPlateIp)),
      m_delivery(server, socket) {
    connect(&m_delivery, &PictureDelivery::finished, this, &NetworkUpdate::onDelivered);
    connect(&m_delivery, &PictureDelivery::progressed, this, [this](qint64 sent, qint64 size) {
        emit plateStateChanged(m_delivery.address(), PlateState::Updating,
                               size > 0 ? int(sent * 100 / size) : 0);
    });
    connect(&m_renderer, &PictureRenderer::rendered, this, &NetworkUpdate::pump);
    for (int slot = 0; slot < kMaxParallel; ++slot) {
        auto *delivery = new PictureDelivery(server, socket, this);
        connect(delivery, &PictureDelivery::finished, this,
                [this, slot](PictureDelivery::Outcome outcome) { onSlotDelivered(slot, outcome); });
        connect(delivery, &PictureDelivery::progressed, this,
                [this, delivery](qint64 sent, qint64 size) {
                    emit plateStateChanged(delivery->address(), PlateState::Updating,
                                           size > 0 ? int(sent * 100 / size) : 0);
                });
        m_slots.push_back(delivery);
    }
    m_slotEntry.fill(-1, kMaxParallel);
}

void NetworkUpdate::setProgressBar(QProgressBar *bar) {
    m_progress = bar;
    m_delivery.setProgressBar(bar);
}

void NetworkUpdate::setParallel(int parallel) {
    m_parallel = qBound(1, parallel, kMaxParallel);
}

void NetworkUpdate::run(const NameList &names, QWidget *owner) {
    if (isRunning())
        return;
    if (names.count() == 0) {
        Prompt::plain(owner, updatetexts::noTexts());
        return;
    }
    const int selected = names.firstSelected();
    if (selected < 0)
        updateAll(names.entries(), owner);
    else
        updateOne(names.at(selected), owner);
}

void NetworkUpdate::updateOne(const NameRecord &entry, QWidget *owner) {
    if (isRunning())
        return;
    const QString address = m_findPlateIp(entry.id);
    if (address.isEmpty()) {
        Prompt::plain(owner, updatetexts::selectedNotOnline());
        return;
    }
    const qint64 size =
        writeEntryPicture(renderPlatePicture(m_design.layout(), m_design.canvas(), entry));
    if (size < 0) {
        Prompt::warning(owner, updatetexts::cannotOpenFile());
        return;
    }
    m_owner = owner;
    setMode(Mode::One);
    emit plateStateChanged(address, PlateState::Updating, 0);
    m_delivery.start(address, platePicturePath(), size);
}

void NetworkUpdate::updateAll(QList<NameRecord> entries, QWidget *owner) {
    if (isRunning())
        return;
    if (!m_errorList.create(errorListPath())) {
        Prompt::warning(owner, updatetexts::cannotOpenFile());
        return;
    }
    m_owner = owner;
    m_entries = std::move(entries);
    m_results.fill(kPending, m_entries.size());
    m_next = 0;
    m_written = 0;
    m_finished = 0;
    m_renderer.begin(m_design.layout(), m_design.canvas().m_background, m_entries);
    if (m_progress) {
        m_progress->setRange(0, int(qMin<qsizetype>(m_entries.size(), INT_MAX)));
        m_progress->setValue(0);
    }
    setMode(Mode::All);
    pump();
}

void NetworkUpdate::pump() {
    m_pumpQueued = false;
    if (m_mode != Mode::All)
        return;
    int offline = 0;
    int active = int(std::count_if(m_slotEntry.cbegin(), m_slotEntry.cend(),
                                   [](qsizetype e) { return e >= 0; }));
    while (m_next < m_entries.size() && active < m_parallel) {
        const qsizetype index = m_next;
        const QString address = m_findPlateIp(m_entries.at(index).id);
        if (address.isEmpty()) {
            ++m_next;
            record(index, int(ErrorListFile::Reason::NotOnline));
            if (++offline >= kOfflineBatch) {
                m_pumpQueued = true;
                QTimer::singleShot(0, this, &NetworkUpdate::pump);
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
        m_renderer.request(index);
        if (!m_renderer.isReady(index))
            break; // Pump runs again once it is rendered
        ++m_next;
        if (startEntry(index, address, m_renderer.take(index)))
            ++active;
    }
    renderAhead();
    if (m_mode == Mode::All && !m_pumpQueued && m_next >= m_entries.size() && active == 0)
        finishAll();
}

void NetworkUpdate::renderAhead() {
    // Enough pictures in hand to refill every delivery, but no more: each is held in memory.
    const qsizetype ahead = 2 * m_parallel + 2;
    for (qsizetype i = m_next; i < m_entries.size() && i < m_next + ahead; ++i) {
        if (!m_renderer.isRequested(i) && !m_findPlateIp(m_entries.at(i).id).isEmpty())
            m_renderer.request(i);
    }
}

bool NetworkUpdate::startEntry(qsizetype index, const QString &address, const QByteArray &jpeg) {
    // The picture file stays the record of the last picture sent; a picture that cannot be
    // written there is not sent either.
    if (writeEntryPicture(jpeg) < 0) {
        record(index, int(ErrorListFile::Reason::TransferFailed));
        emit plateStateChanged(address, PlateState::TransferFailed, 0);
        return false;
    }
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
    if (m_mode != Mode::All || index < 0)
        return;
    reportOutcome(m_slots[size_t(slot)]->address(), outcome);
    if (outcome == PictureDelivery::TimedOut)
        record(index, int(ErrorListFile::Reason::ConnectTimeout));
    else if (outcome == PictureDelivery::Failed)
        record(index, int(ErrorListFile::Reason::TransferFailed));
    else
        record(index, kDelivered);
    if (!m_pumpQueued) {
        m_pumpQueued = true;
        QTimer::singleShot(0, this, &NetworkUpdate::pump);
    }
}

void NetworkUpdate::record(qsizetype index, int result) {
    m_results[index] = result;
    ++m_finished;
    if (m_progress)
        m_progress->setValue(int(qMin<qsizetype>(m_finished, INT_MAX)));
    // The error list keeps the order of the name list, not the order plates finish in.
    while (m_written < m_results.size() && m_results.at(m_written) != kPending) {
        const int r = m_results.at(m_written);
        if (r != kDelivered)
            m_errorList.append(m_entries.at(m_written).id, ErrorListFile::Reason(r));
        ++m_written;
    }
}

void NetworkUpdate::onDelivered(PictureDelivery::Outcome outcome) {
    if (m_mode != Mode::One)
        return;
    setMode(Mode::Idle);
    reportOutcome(m_delivery.address(), outcome);
    if (outcome == PictureDelivery::TimedOut)
        Prompt::warning(m_owner, updatetexts::connectTimeout());
    else if (outcome == PictureDelivery::Failed)
        Prompt::warning(m_owner, updatetexts::transferFailed());
}

void NetworkUpdate::reportOutcome(const QString &address, PictureDelivery::Outcome outcome) {
    const PlateState state = outcome == PictureDelivery::Delivered  ? PlateState::Updated
                             : outcome == PictureDelivery::TimedOut ? PlateState::NotConnected
                                                                    : PlateState::TransferFailed;
    emit plateStateChanged(address, state, 100);
}

void NetworkUpdate::finishAll() {
    m_errorList.close();
    m_entries.clear();
    m_results.clear();
    m_renderer.end();
    setMode(Mode::Idle);
    EditorLauncher::instance().openTextFile(m_errorList.path());
}

qint64 NetworkUpdate::writeEntryPicture(const QByteArray &jpeg) {
    if (!writePlatePicture(jpeg))
        return -1;
    return jpeg.size();
}

void NetworkUpdate::setMode(Mode mode) {
    const bool wasRunning = isRunning();
    m_mode = mode;
    if (wasRunning != isRunning())
        emit runningChanged(isRunning());
}

} // namespace delvora
