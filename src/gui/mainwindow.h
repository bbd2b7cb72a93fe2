#pragma once

#include <QDialog>
#include <QString>

#include "gui/layouteditor.h"
#include "gui/mainwindowface.h"
#include "gui/namelisteditor.h"
#include "layout/platedesign.h"
#include "layout/platepreview.h"
#include "namelist/namelist.h"
#include "namelist/overflowmarks.h"
#include "namelist/workbookreader.h"
#include "net/networkparameters.h"
#include "net/networkupdate.h"
#include "net/pictureserver.h"
#include "net/platesocket.h"
#include "netcfg/localaddress.h"
#include "netcfg/networkchoice.h"

namespace delvora {
class Jobs;
class LifterPanel;
class MeetingFile;
class PlatePanel;
class UsbPanel;
} // namespace delvora

namespace delvora {

// The main window. It owns every component for the life of the program and routes each
// control and menu command to the component that does the work.
class MainWindow : public QDialog {
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    // With other ports and time limits than the plates' own (tests run side by side with them).
    explicit MainWindow(const NetworkParameters &params, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Renders the current layout anew and shows it in the preview.
    void refreshPreview();
    // Shows this entry in the preview.
    void showEntry(const NameRecord &entry);

    // The address of the online plate with this ID text, empty when it is not listed.
    QString findPlateIp(const QString &plateId) const;

    MainWindowFace &face() { return m_face; }
    PlateDesign &design() { return m_design; }
    const PlatePreview &preview() const { return m_preview; }
    LayoutEditor &editor() { return *m_editor; }
    NameList &names() { return m_names; }
    PlateSocket &udpSocket() { return m_udpSocket; }
    PlatePanel &plates() { return *m_plates; }
    NameListEditor &listEditor() { return *m_listEditor; }
    OverflowMarks &overflowMarks() { return m_marks; }
    WorkbookReader &reader() { return m_reader; }
    MeetingFile &meeting() { return *m_meeting; }

    // A file dropped on the window or named on the command line: a meeting is opened, any
    // other file imported as a name list.
    void openFile(const QString &path);

public slots:
    void onAbout();
    void detectPlates();
    void onOpenTable();
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
    // The plate port, the picture port and the time limits.
    NetworkParameters m_params;
    PlateSocket m_udpSocket;
    NetworkSettings m_network; // settings.dat and the local address it gives
    WorkbookReader m_reader;
    NameList m_names;

    MainWindowFace m_face;
    LayoutEditor *m_editor = nullptr;       // row choice, style, background, resolution, dragging
    NameListEditor *m_listEditor = nullptr; // edits, undo, saving of the name list
    MeetingFile *m_meeting = nullptr;       // the 文件 menu: the meeting as one file
    Jobs *m_jobs = nullptr;                 // 网络更新 and U盘更新, one at a time
    UsbPanel *m_usb = nullptr;              // pictures, ID list and address files on a USB drive
    LifterPanel *m_lifter = nullptr;        // the port and the three lifter buttons
    PictureServer m_pictureServer;          // where plates fetch their pictures
    NetworkUpdate m_update{m_pictureServer, m_udpSocket};
    PlatePanel *m_plates = nullptr;           // the online list and the commands on its plates
    OverflowMarks m_marks{m_names, m_design}; // texts that do not fit, in the list
};

} // namespace delvora
