#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include "gui/onlineplates.h"
#include "net/networkparameters.h"
#include "net/plateidchange.h"
#include "net/presencecheck.h"

class QAction;
class QLineEdit;
class QTreeView;
class QWidget;

namespace delvora {

class ChangeIpDialog;
class NameList;
class NetworkUpdate;
class PlateSocket;

// The controls of the plate commands.
struct PlateControls {
    QTreeView *onlineList = nullptr;
    QLineEdit *newId = nullptr;
    QAction *presence = nullptr; // 设置 → 自动检测在线状态
};

// The plates of the main window: the online list and the commands on its plates, 检测在线桌牌,
// 修改ID, 修改IP and 设置 → 恢复出厂设置, with their questions and messages, and the idle
// presence check with its menu item. The commands go through the program's datagram socket.
class PlatePanel : public QObject {
    Q_OBJECT
public:
    // The presence check sits out its rounds while `update` runs or an ID change awaits its
    // answer; the answer wait and the probe interval come from `network`.
    PlatePanel(const PlateControls &controls, PlateSocket &socket, const NetworkUpdate &update,
               const NetworkParameters &network, QWidget *window);
    ~PlatePanel() override;

    // The name list that the board's 名字 column follows.
    void setNameList(const NameList *names);
    // Reads the stored choice of the presence check, shows it in its menu item and starts the
    // check when it is on.
    void startPresence();

    OnlinePlates &online() { return m_online; }
    const PlateBoard &board() const { return m_online.board(); }
    PresenceCheck &presence() { return m_presence; }

public slots:
    // 检测在线桌牌 from this local address and its /24 prefix.
    void detect(const QString &localIp, const QString &netPrefix);
    // 修改ID: the plate at the selection mark gets the ID typed in the ID edit.
    void changeId();
    // 修改IP: the plate at the selection mark gets the address of the dialog.
    void changeIp();
    // 恢复出厂设置 on the selected plates. Returns how many were sent the reset.
    int factoryReset();
    // The operator switched the presence check on or off; the choice is stored.
    void setPresence(bool on);
    // A plate answered: it is listed, and has missed no probe.
    void onPlateReply(const delvora::PlateReply &reply);

signals:
    // A plate took its new ID: the plates are to be found again, so that it is listed under it.
    void platesChanged();

private:
    void onIdChangeFinished(IdChangeResult result);

    PlateControls m_controls;
    PlateSocket &m_socket;
    QWidget *m_window;
    OnlinePlates m_online;
    PlateIdChange m_idChange;
    PresenceCheck m_presence;
    QPointer<ChangeIpDialog> m_changeIpDialog; // keeps the last confirmed addresses
};

} // namespace delvora
