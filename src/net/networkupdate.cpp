#include "net/networkupdate.h"

#include <QTimer>
#include <QWidget>

#include "common/prompt.h"
#include "namelist/namelist.h"
#include "net/editorlauncher.h"
#include "net/platepicture.h"
#include "net/updatetexts.h"

namespace delvora {

namespace {
QString ErrorListPath() {
    return QStringLiteral("dispError.txt");
}
} // namespace

NetworkUpdate::NetworkUpdate(PictureServer &server, CUdpSocket &socket, PlateLayout &layout,
                             PlateCanvas &canvas, PlateLookup findPlateIp, QObject *parent)
    : QObject(parent), m_layout(layout), m_canvas(canvas), m_findPlateIp(std::move(findPlateIp)),
      m_delivery(server, socket) {
    connect(&m_delivery, &PictureDelivery::finished, this, &NetworkUpdate::OnDelivered);
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
    m_next = 0;
    m_preparedIndex = -1;
    SetMode(Mode::All);
    NextEntry();
}

void NetworkUpdate::NextEntry() {
    // Entries that need no connection follow each other through the event loop as well, so a
    // long list of offline plates cannot hold the window.
    const auto later = [this] { QTimer::singleShot(0, this, &NetworkUpdate::NextEntry); };
    if (m_mode != Mode::All)
        return;
    if (m_next >= m_entries.size()) {
        FinishAll();
        return;
    }
    const qsizetype index = m_next++;
    const NameRecord &entry = m_entries.at(index);
    const QString address = m_findPlateIp(entry.m_strId);
    if (address.isEmpty()) {
        m_errorList.Append(entry.m_strId, ErrorListFile::Reason::NotOnline);
        later();
        return;
    }
    const QByteArray jpeg = index == m_preparedIndex
                                ? std::exchange(m_prepared, {})
                                : RenderPlatePicture(m_layout, m_canvas, entry);
    m_preparedIndex = -1;
    const qint64 size = WriteEntryPicture(jpeg);
    if (size < 0) {
        m_errorList.Append(entry.m_strId, ErrorListFile::Reason::TransferFailed);
        later();
        return;
    }
    m_delivery.Start(address, PlatePicturePath(), size);
    PrepareNext();
}

void NetworkUpdate::PrepareNext() {
    // The plate needs a moment to answer the request; the next picture is rendered meanwhile
    // (kept in memory: the picture file is the one being sent).
    if (m_next >= m_entries.size())
        return;
    const NameRecord &next = m_entries.at(m_next);
    if (m_findPlateIp(next.m_strId).isEmpty())
        return;
    m_prepared = RenderPlatePicture(m_layout, m_canvas, next);
    m_preparedIndex = m_next;
}

void NetworkUpdate::OnDelivered(PictureDelivery::Outcome outcome) {
    if (m_mode == Mode::One) {
        SetMode(Mode::Idle);
        if (outcome == PictureDelivery::TimedOut)
            Prompt::warning(m_owner, updatetexts::connectTimeout());
        else if (outcome == PictureDelivery::Failed)
            Prompt::warning(m_owner, updatetexts::transferFailed());
        return;
    }
    if (m_mode != Mode::All)
        return;
    const QString &plateId = m_entries.at(m_next - 1).m_strId;
    if (outcome == PictureDelivery::TimedOut)
        m_errorList.Append(plateId, ErrorListFile::Reason::ConnectTimeout);
    else if (outcome == PictureDelivery::Failed)
        m_errorList.Append(plateId, ErrorListFile::Reason::TransferFailed);
    QTimer::singleShot(0, this, &NetworkUpdate::NextEntry);
}

void NetworkUpdate::FinishAll() {
    m_errorList.Close();
    m_entries.clear();
    m_prepared.clear();
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
