#pragma once

#include <QDialog>
#include <QString>

#include "gui/mainwindowface.h"
#include "gui/layouteditor.h"
#include "layout/platecanvas.h"
#include "layout/platelayout.h"
#include "lifter/liftercontrol.h"
#include "namelist/workbookreader.h"
#include "namelist/namelist.h"
#include "gui/namelisteditor.h"
#include "namelist/namelistimport.h"
#include "namelist/overflowmarks.h"
#include "gui/changeipdialog.h"
#include "net/networkupdate.h"
#include "gui/onlineplates.h"
#include "net/pictureserver.h"
#include "net/presencecheck.h"
#include "net/platesocket.h"
#include "netcfg/localaddress.h"
#include "netcfg/networkchoice.h"

class QTimer;

namespace delvora {
class UsbProvisioning;
}

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
    // Redraws the kept preview picture without rendering.
    void drawPreview();

    // Arms one of the two one-shot timers.
    void setTimer(TimerId id, int milliseconds);
    void killTimer(TimerId id);

    // The address of the online plate with this ID text, empty when it is not listed.
    QString findPlateIp(const QString &plateId) const;

    MainWindowFace &face() { return m_face; }
    PlateLayout &layout() { return m_layout; }
    PlateCanvas &canvas() { return m_canvas; }
    LayoutEditor &editor() { return *m_editor; }
    NameList &names() { return m_names; }
    PlateSocket &udpSocket() { return m_udpSocket; }
    PresenceCheck &presence() { return m_presence; }
    NameListEditor &listEditor() { return *m_listEditor; }
    OverflowMarks &overflowMarks() { return m_marks; }
    WorkbookReader &excel() { return m_excel; }

public slots:
    void onTimer(int id);
    void onAbout();
    void detectPlates();
    void onPlateReply(const delvora::PlateReply &reply);
    void onNetworkSettings();
    void onOpenTable();
    void onChangeId();
    void onIdChangeResult(int result);
    void onChangeIp();
    void onFactoryReset();
    void onNetworkUpdate();
    // Esc and closing the window: unsaved changes of the name list are offered for saving.
    void reject() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    // A name list dropped on the window is imported as 打开表格 would.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
#ifdef _WIN32
    // The About entry of the system menu.
    bool nativeEvent(const QByteArray &eventType, void *message, qintptr *result) override;
#endif

private:
    void onInitDialog();
    void importNames(const QString &droppedFile);
    void route();
    void addAboutToSystemMenu();
    void setLocalAddress(const LocalAddress &local);
    void showEntry(const NameRecord &entry);

    PlateCanvas m_canvas;
    PlateLayout m_layout; // the rows, their count and the background colour
    PlateSocket m_udpSocket;
    QString m_localIp;
    QString m_netPrefix;
    int m_tcpPort = 8087;
    NetworkChoice m_settings;
    bool m_fixedIp = false;
    WorkbookReader m_excel;
    NameList m_names;
    NameListImport m_nameImport{m_excel, m_names};

    MainWindowFace m_face;
    LayoutEditor *m_editor = nullptr;       // row choice, style, background, resolution, dragging
    NameListEditor *m_listEditor = nullptr; // edits, undo, saving of the name list
    UsbProvisioning *m_usb = nullptr;       // pictures, ID list and address files on a USB drive
    LifterControl m_lifter{this};
    OnlinePlates m_onlinePlates; // the online list 1012
    QTimer *m_timerConnect = nullptr;
    QTimer *m_timerIdChange = nullptr;
    ChangeIpDialog m_changeIpDlg{this}; // keeps the last confirmed addresses
    PictureServer m_pictureServer;      // TCP 8087, where plates fetch their pictures
    NetworkUpdate m_update{m_pictureServer, m_udpSocket, m_layout, m_canvas,
                           [this](const QString &id) { return findPlateIp(id); }};
    // The idle probes of the plates on the board; quiet while the program awaits a plate.
    PresenceCheck m_presence{m_udpSocket, m_onlinePlates,
                             [this] { return m_update.isRunning() || m_udpSocket.m_waitIdReply; }};
    OverflowMarks m_marks{m_names, m_layout, m_canvas}; // texts that do not fit, in the list
};

// The one main window, once it is initialised.
extern MainWindow *g_pMainDlg;

} // namespace delvora
