#include "gui/platepanel.h"

#include <QAction>
#include <QLineEdit>

#include "gui/changeipdialog.h"
#include "gui/prompt.h"
#include "layout/layoutfiles.h"
#include "net/factoryreset.h"
#include "net/nettexts.h"
#include "net/networkoptions.h"
#include "net/networkupdate.h"
#include "net/platereply.h"
#include "net/platesocket.h"

namespace delvora {

PlatePanel::PlatePanel(const PlateControls &controls, PlateSocket &socket,
                       const NetworkUpdate &update, const NetworkParameters &network,
                       QWidget *window)
    : QObject(window), m_controls(controls), m_socket(socket), m_window(window), m_idChange(socket),
      m_presence(socket, m_online.board(),
                 [this, &update] { return update.isRunning() || m_idChange.isWaiting(); }),
      m_changeIpDialog(new ChangeIpDialog(window)) {
    m_online.attach(controls.onlineList, controls.newId);
    m_idChange.setAnswerWait(network.idAnswerMs);
    m_presence.setInterval(network.presenceIntervalMs);
    connect(&update, &NetworkUpdate::plateStateChanged, &m_online, &OnlinePlates::setPlateState);
    // Plate answers are handled after the event that received them, like posted messages.
    connect(&socket, &PlateSocket::plateReply, this, &PlatePanel::onPlateReply,
            Qt::QueuedConnection);
    connect(&m_idChange, &PlateIdChange::finished, this, &PlatePanel::onIdChangeFinished,
            Qt::QueuedConnection);
}

PlatePanel::~PlatePanel() {
    delete m_changeIpDialog;
}

void PlatePanel::setNameList(const NameList *names) {
    m_online.setNameList(names);
}

void PlatePanel::startPresence() {
    const bool on = NetworkOptions::presence(QString::fromUtf16(kSettingsIni));
    m_controls.presence->setChecked(on);
    m_presence.setEnabled(on);
}

void PlatePanel::setPresence(bool on) {
    NetworkOptions::setPresence(QString::fromUtf16(kSettingsIni), on);
    m_presence.setEnabled(on);
}

void PlatePanel::detect(const QString &localIp, const QString &netPrefix) {
    m_online.detectPlates(m_socket, localIp, netPrefix, m_window);
}

void PlatePanel::onPlateReply(const PlateReply &reply) {
    m_online.onPlateReply(reply);
    m_presence.onPlateReply(reply);
}

void PlatePanel::changeId() {
    const int mark = m_online.markedRow(m_window);
    if (mark < 0)
        return;
    const QString currentId = m_online.rowId(mark);
    const QString address = m_online.rowIp(mark);
    const std::optional<int> newId = PlateIdChange::parseNewId(m_controls.newId->text());
    if (!newId) {
        Prompt::plain(m_window, nettexts::idRange());
        return;
    }
    if (!Prompt::ask(m_window, nettexts::idChangeQuestion(currentId, *newId)))
        return;
    m_idChange.start(address, *newId);
}

void PlatePanel::onIdChangeFinished(IdChangeResult result) {
    switch (result) {
    case IdChangeConfirmed:
        Prompt::plain(m_window, nettexts::idChanged());
        emit platesChanged();
        break;
    case IdChangeOtherId:
        Prompt::plain(m_window, nettexts::idChangeFailed());
        break;
    case IdChangeTimeout:
        Prompt::plain(m_window, nettexts::idChangeTimedOut());
        break;
    }
}

void PlatePanel::changeIp() {
    const int mark = m_online.markedRow(m_window);
    if (mark < 0)
        return;
    const QString address = m_online.rowIp(mark);
    if (m_changeIpDialog->exec() != QDialog::Accepted)
        return;
    if (!Prompt::ask(m_window, nettexts::addressChangeQuestion()))
        return;
    m_socket.sendTo(m_changeIpDialog->m_command, address);
}

int PlatePanel::factoryReset() {
    const QList<int> rows = m_online.selectedRows();
    if (rows.isEmpty()) {
        Prompt::plain(m_window, nettexts::selectPlatesToReset());
        return 0;
    }
    // The plates are taken before asking: answers handled while the question is open may
    // add rows or clear the list, and only the plates the operator confirmed are reset.
    QStringList ids;
    QStringList addresses;
    for (int row : rows) {
        ids << m_online.rowId(row);
        addresses << m_online.rowIp(row);
    }
    if (!Prompt::ask(m_window, FactoryReset::question(ids)))
        return 0;
    const int sent = FactoryReset::send(m_socket, addresses);
    Prompt::plain(m_window, nettexts::resetSent());
    return sent;
}

} // namespace delvora
