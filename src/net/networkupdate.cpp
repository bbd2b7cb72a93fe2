#include "net/networkupdate.h"

#include <QProgressBar>
#include <QTimer>
#include <QWidget>

#include "common/prompt.h"
#include "layout/platecanvas.h"
#include "layout/platelayout.h"
#include "namelist/namelist.h"
#include "net/editorlauncher.h"
#include "net/platepicture.h"
#include "net/updatetexts.h"

namespace delvora {

namespace {
QString ErrorListPath() {
    return QStringLiteral("dispError.txt");
}
// Entries without a listed plate handled in one go before the event loop gets its turn, so a
// long list of offline plates cannot hold the window.
constexpr int kOfflineBatch = 64;
} // namespace

NetworkUpdate::NetworkUpdate(PictureServer &server, CUdpSocket &socket, PlateLayout &layout,
                             PlateCanvas &canvas, PlateLookup findPlateIp, QObject *parent)
    : QObject(parent), m_layout(layout), m_canvas(canvas), m_findPlateIp(std::move(findPlateIp)),
      m_delivery(server, socket) {
    connect(&m_delivery, &PictureDelivery::finished, this, &NetworkUpdate::OnDelivered);
    connect(&m_delivery, &PictureDelivery::progressed, this, [this](qint64 sent, qint64 size) {
        emit plateStateChanged(m_delivery.address(), PlateState::Updating,
                               size > 0 ? int(sent * 100 / size) : 0);
    });
    connect(&m_renderer, &PictureRenderer::rendered, this, &NetworkUpdate::Pump);
    for (int slot = 0; slot < kMaxParallel; ++slot) {
        auto *delivery = new PictureDelivery(server, socket, this);
        connect(delivery, &PictureDelivery::finished, this,
                [this, slot](PictureDelivery::Outcome outcome) { OnSlotDelivered(slot, outcome); });
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

void NetworkUpdate::Run(const NameList &names, QWidget *owner) {
    if (isRunning())
        return;
    if (names.count() == 0) {
        Prompt::plain(owner, updatetexts::noTexts());
        return;
    }
    const int selected = names.firstSelected();
    if (selected < 0)
        UpdateAll(names.entries(), owner);
    else
        UpdateOne(names.at(selected), owner);
}

void NetworkUpdate::UpdateOne(const NameRecord &entry, QWidget *owner) {
    if (isRunning())
        return;
    const QString address = m_findPlateIp(entry.m_strId);
    if (address.isEmpty()) {
        Prompt::plain(owner, updatetexts::selectedNotOnline());
        return;
    }
    const qint64 size = WriteEntryPicture(RenderPlatePicture(m_layout, m_canvas, entry));
    if (size < 0) {
        Prompt::warning(owner, updatetexts::cannotOpenFile());
        return;
    }
    m_owner = owner;
    SetMode(Mode::One);
    emit plateStateChanged(address, PlateState::Updating, 0);
    m_delivery.Start(address, PlatePicturePath(), size);
}

void NetworkUpdate::UpdateAll(QList<NameRecord> entries, QWidget *owner) {
    if (isRunning())
        return;
    if (!m_errorList.Create(ErrorListPath())) {
        Prompt::warning(owner, updatetexts::cannotOpenFile());
        return;
    }
    m_owner = owner;
    m_entries = std::move(entries);
    m_results.fill(kPending, m_entries.size());
    m_next = 0;
    m_written = 0;
    m_finished = 0;
    m_renderer.Begin(m_layout, m_canvas.m_pBackground, m_entries);
    if (m_progress) {
        m_progress->setRange(0, int(qMin<qsizetype>(m_entries.size(), INT_MAX)));
        m_progress->setValue(0);
    }
    SetMode(Mode::All);
    Pump();
}

void NetworkUpdate::Pump() {
    m_pumpQueued = false;
    if (m_mode != Mode::All)
        return;
    int offline = 0;
    int active = int(std::count_if(m_slotEntry.cbegin(), m_slotEntry.cend(),
                                   [](qsizetype e) { return e >= 0; }));
    while (m_next < m_entries.size() && active < m_parallel) {
        const qsizetype index = m_next;
        const QString address = m_findPlateIp(m_entries.at(index).m_strId);
        if (address.isEmpty()) {
            ++m_next;
            Record(index, int(ErrorListFile::Reason::NotOnline));
            if (++offline >= kOfflineBatch) {
                m_pumpQueued = true;
                QTimer::singleShot(0, this, &NetworkUpdate::Pump);
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
        m_renderer.Request(index);
        if (!m_renderer.isReady(index))
            break; // Pump runs again once it is rendered
        ++m_next;
        if (StartEntry(index, address, m_renderer.Take(index)))
            ++active;
    }
    RenderAhead();
    if (m_mode == Mode::All && !m_pumpQueued && m_next >= m_entries.size() && active == 0)
        FinishAll();
}

void NetworkUpdate::RenderAhead() {
    // Enough pictures in hand to refill every delivery, but no more: each is held in memory.
    const qsizetype ahead = 2 * m_parallel + 2;
    for (qsizetype i = m_next; i < m_entries.size() && i < m_next + ahead; ++i) {
        if (!m_renderer.isRequested(i) && !m_findPlateIp(m_entries.at(i).m_strId).isEmpty())
            m_renderer.Request(i);
    }
}

bool NetworkUpdate::StartEntry(qsizetype index, const QString &address, const QByteArray &jpeg) {
    const NameRecord &entry = m_entries.at(index);
    // The layout keeps the texts of the last picture made, as a picture made here would.
    m_layout.SetTexts(entry.m_strOrganisation, entry.m_strName, entry.m_strTitle);
    // The picture file stays the record of the last picture sent; a picture that cannot be
    // written there is not sent either.
    if (WriteEntryPicture(jpeg) < 0) {
        Record(index, int(ErrorListFile::Reason::TransferFailed));
        emit plateStateChanged(address, PlateState::TransferFailed, 0);
        return false;
    }
    const auto free = std::find(m_slotEntry.begin(), m_slotEntry.end(), -1);
    const int slot = int(free - m_slotEntry.begin());
    m_slotEntry[slot] = index;
    emit plateStateChanged(address, PlateState::Updating, 0);
    m_slots[size_t(slot)]->Start(address, jpeg);
    return true;
}

void NetworkUpdate::OnSlotDelivered(int slot, PictureDelivery::Outcome outcome) {
    const qsizetype index = m_slotEntry.at(slot);
    m_slotEntry[slot] = -1;
    if (m_mode != Mode::All || index < 0)
        return;
    ReportOutcome(m_slots[size_t(slot)]->address(), outcome);
    if (outcome == PictureDelivery::TimedOut)
        Record(index, int(ErrorListFile::Reason::ConnectTimeout));
    else if (outcome == PictureDelivery::Failed)
        Record(index, int(ErrorListFile::Reason::TransferFailed));
    else
        Record(index, kDelivered);
    if (!m_pumpQueued) {
        m_pumpQueued = true;
        QTimer::singleShot(0, this, &NetworkUpdate::Pump);
    }
}

void NetworkUpdate::Record(qsizetype index, int result) {
    m_results[index] = result;
    ++m_finished;
    if (m_progress)
        m_progress->setValue(int(qMin<qsizetype>(m_finished, INT_MAX)));
    // The error list keeps the order of the name list, not the order plates finish in.
    while (m_written < m_results.size() && m_results.at(m_written) != kPending) {
        const int r = m_results.at(m_written);
        if (r != kDelivered)
            m_errorList.Append(m_entries.at(m_written).m_strId, ErrorListFile::Reason(r));
        ++m_written;
    }
}

void NetworkUpdate::OnDelivered(PictureDelivery::Outcome outcome) {
    if (m_mode != Mode::One)
        return;
    SetMode(Mode::Idle);
    ReportOutcome(m_delivery.address(), outcome);
    if (outcome == PictureDelivery::TimedOut)
        Prompt::warning(m_owner, updatetexts::connectTimeout());
    else if (outcome == PictureDelivery::Failed)
        Prompt::warning(m_owner, updatetexts::transferFailed());
}

void NetworkUpdate::ReportOutcome(const QString &address, PictureDelivery::Outcome outcome) {
    const PlateState state = outcome == PictureDelivery::Delivered  ? PlateState::Updated
                             : outcome == PictureDelivery::TimedOut ? PlateState::NotConnected
                                                                    : PlateState::TransferFailed;
    emit plateStateChanged(address, state, 100);
}

void NetworkUpdate::FinishAll() {
    m_errorList.Close();
    m_entries.clear();
    m_results.clear();
    m_renderer.End();
    SetMode(Mode::Idle);
    EditorLauncher::instance().openTextFile(m_errorList.path());
}

qint64 NetworkUpdate::WriteEntryPicture(const QByteArray &jpeg) {
    if (!WritePlatePicture(jpeg))
        return -1;
    return jpeg.size();
}

void NetworkUpdate::SetMode(Mode mode) {
    const bool wasRunning = isRunning();
    m_mode = mode;
    if (wasRunning != isRunning())
        emit runningChanged(isRunning());
}

} // namespace delvora
