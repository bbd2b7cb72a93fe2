#pragma once

#include <QDialog>
#include <QString>

#include "gui/changeipdialog.h"
#include "gui/layouteditor.h"
#include "gui/mainwindowface.h"
#include "gui/namelisteditor.h"
#include "gui/onlineplates.h"
#include "layout/platedesign.h"
#include "layout/platepreview.h"
#include "namelist/namelist.h"
#include "namelist/overflowmarks.h"
#include "namelist/workbookreader.h"
#include "net/networkupdate.h"
#include "net/pictureserver.h"
#include "net/platesocket.h"
#include "net/presencecheck.h"
#include "netcfg/localaddress.h"
#include "netcfg/networkchoice.h"

class QTimer;

namespace delvora {
class Jobs;
class LifterPanel;
class MeetingFile;
class UsbPanel;
} // namespace delvora

namespace delvora {

// Timers of the main window: the picture connection wait and the ID-change answer wait.
enum TimerId { TIMER_CONNECT = 1, TIMER_ID_CHANGE = 2 };

// The main window. It owns every component for the life of the program and routes each
// control and menu command to the component that does the work.
class MainWindow : public QDialog {
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Renders the current layout anew and shows it in the preview.
    void refreshPreview();
    // Shows this entry in the preview.
    void showEntry(const NameRecord &entry);

    // Arms one of the two one-shot timers.
    void setTimer(TimerId id, int milliseconds);
    void killTimer(TimerId id);

    // The address of the online plate with this ID text, empty when it is not listed.
    QString findPlateIp(const QString &plateId) const;

    MainWindowFace &face() { return m_face; }
    PlateDesign &design() { return m_design; }
    const PlatePreview &preview() const { return m_preview; }
    LayoutEditor &editor() { return *m_editor; }
    NameList &names() { return m_names; }
    PlateSocket &udpSocket() { return m_udpSocket; }
    PresenceCheck &presence() { return m_presence; }
    NameListEditor &listEditor() { return *m_listEditor; }
    OverflowMarks &overflowMarks() { return m_marks; }
    WorkbookReader &excel() { return m_excel; }
    MeetingFile &meeting() { return *m_meeting; }

    // A file dropped on the window or named on the command line: a meeting is opened, any
    // other file imported as a name list.
    void openFile(const QString &path);

public slots:
    void onTimer(int id);
    void onAbout();
    void detectPlates();
    void onPlateReply(const delvora::PlateReply &reply);
    void onOpenTable();
    void onChangeId();
    void onIdChangeResult(int result);
    void onChangeIp();
    void onFactoryReset();
    // Esc and closing the window: unsaved changes of the meeting (or, without one, of the name
    // list) are offered for saving.
    void reject() override;

protected:
    // A file dropped on the window: a meeting opens, a name list is imported as 打开表格 would.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
#ifdef _WIN32
    // The About entry of the system menu.
    bool nativeEvent(const QByteArray &eventType, void *message, qintptr *result) override;
#endif

private:
    void onInitDialog();
    void route();
    void addAboutToSystemMenu();

    PlateDesign m_design;   // the layout and the pictures plates are drawn on
    PlatePreview m_preview; // the chosen entry drawn with the design
    PlateSocket m_udpSocket;
    int m_tcpPort = 8087;
    NetworkSettings m_network; // settings.dat and the local address it gives
    WorkbookReader m_excel;
    NameList m_names;

    MainWindowFace m_face;
    LayoutEditor *m_editor = nullptr;       // row choice, style, background, resolution, dragging
    NameListEditor *m_listEditor = nullptr; // edits, undo, saving of the name list
    MeetingFile *m_meeting = nullptr;       // the 文件 menu: the meeting as one file
    Jobs *m_jobs = nullptr;                 // 网络更新 and U盘更新, one at a time
    UsbPanel *m_usb = nullptr;              // pictures, ID list and address files on a USB drive
    LifterPanel *m_lifter = nullptr;        // the port and the three lifter buttons
    OnlinePlates m_onlinePlates;            // the online list 在线桌牌
    QTimer *m_timerConnect = nullptr;
    QTimer *m_timerIdChange = nullptr;
    ChangeIpDialog m_changeIpDlg{this}; // keeps the last confirmed addresses
    PictureServer m_pictureServer;      // TCP 8087, where plates fetch their pictures
    NetworkUpdate m_update{m_pictureServer, m_udpSocket, m_design,
                           [this](const QString &id) { return findPlateIp(id); }};
    // The idle probes of the plates on the board; quiet while the program awaits a plate.
    PresenceCheck m_presence{m_udpSocket, m_onlinePlates,
                             [this] { return m_update.isRunning() || m_udpSocket.m_waitIdReply; }};
    OverflowMarks m_marks{m_names, m_design}; // texts that do not fit, in the list
};

} // namespace delvora
