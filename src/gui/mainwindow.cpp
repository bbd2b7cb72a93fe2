#include "gui/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTreeView>

#include "gui/aboutdialog.h"
#include "gui/uilanguage.h"

#ifdef _WIN32
#include <windows.h>
#endif
#include "gui/jobs.h"
#include "gui/lifterpanel.h"
#include "gui/meetingfile.h"
#include "gui/namelistview.h"
#include "gui/networkdialog.h"
#include "gui/platepanel.h"
#include "gui/printcommands.h"
#include "gui/printmenu.h"
#include "gui/prompt.h"
#include "gui/updatemessages.h"
#include "gui/usbpanel.h"
#include "layout/layoutfiles.h"
#include "layout/renderer.h"
#include "meeting/meetingreader.h"
#include "net/networkoptions.h"

namespace delvora {

namespace {
// The one local file that dragged data carries; empty when it carries anything else.
QString droppedFile(const QMimeData *data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1 || !data->urls()[0].isLocalFile())
        return {};
    const QString path = data->urls()[0].toLocalFile();
    return QFileInfo(path).isFile() ? path : QString();
}
} // namespace

MainWindow::MainWindow(QWidget *parent) : MainWindow(NetworkParameters{}, parent) {}

MainWindow::MainWindow(const NetworkParameters &params, QWidget *parent)
    : QDialog(parent), m_params(params) {
    // The layout is read before any control exists.
    m_design.loadFromFiles(QStringLiteral("./red.jpg"));

    setAcceptDrops(true);
    setWindowTitle(QStringLiteral("Delvora"));
    setObjectName(QStringLiteral("MainWindow"));
    setWindowIcon(QIcon(QStringLiteral(":/delvora/delvora.png")));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);
    m_face.build(this);
    m_face.preview->paintPreview = [this](QPainter &painter, const QRect &r) {
        m_preview.paint(painter, r);
    };

    m_editor = new LayoutEditor(m_design, m_preview, m_face.layoutControls(), this);
    connect(&m_design, &PlateDesign::changed, this, &MainWindow::refreshPreview);

    m_plates = new PlatePanel({m_face.onlineList, m_face.newId, m_face.actionPresence}, m_udpSocket,
                              m_update, m_params, this);
    m_plates->setNameList(&m_names);

    m_jobs =
        new Jobs({m_face.networkUpdate, m_face.usbUpdate, m_face.progress, m_face.progressText},
                 m_names, m_marks, m_design, m_update, m_plates->board(), this);
    m_usb = new UsbPanel(m_face.driveCombo, *m_jobs, m_reader, this);
    m_lifter = new LifterPanel(m_face.comPort, m_face.lifterUp, m_face.lifterStop,
                               m_face.lifterDown, this);
    addPrintMenu(m_face.menuFile, *new PrintCommands(m_names, m_marks, m_design, this));

    route();
    onInitDialog();
}

MainWindow::~MainWindow() {
    // Indents changed by dragging are saved only here.
    writeIndents(m_design.layout());
}

void MainWindow::onInitDialog() {
    addAboutToSystemMenu();

    // The two lists in report view; each names and sizes its own columns.
    attachNameList(m_face.nameList, m_names);
    m_listEditor = new NameListEditor(m_face.nameList, m_names, m_reader, this);
    connect(m_listEditor, &NameListEditor::showEntry, this, &MainWindow::showEntry);
    m_meeting = new MeetingFile(m_names, m_listEditor->file(), m_design,
                                {m_face.actionNewMeeting, m_face.actionOpenMeeting,
                                 m_face.actionSaveMeeting, m_face.actionSaveMeetingAs,
                                 m_face.menuRecentMeetings, m_listEditor->saveListAction()},
                                this);
    connect(m_meeting, &MeetingFile::replaced, this, [this] {
        m_editor->showDesign();
        showEntry(m_names.count() > 0 ? m_names.at(0) : NameRecord());
    });

    // Network settings: the stored adapter or fixed address gives the local address.
    loadNetworkSettings(m_network, this);

    // The preview region and the canvas pictures.
    m_face.previewFrame->setGeometry(7, 7, 519, 307);
    // The plate size, row 0's style and the choices in the editing controls.
    m_editor->showDesign();

    // Drive list: the volumes plate files can go to, the likely USB drive chosen.
    m_usb->fillDrives();

    // Host address, picture server (TCP 8087), datagram socket (UDP 8089).
    m_udpSocket.findHostAddress();
    UpdateMessages::startServer(m_pictureServer, m_params.picturePort, this);
    m_udpSocket.setPlatePort(m_params.platePort);
    m_udpSocket.create();
    m_update.setTimeLimits(m_params.connectTimeoutMs, m_params.stallTimeoutMs);
    m_update.setParallel(NetworkOptions::parallel(QString::fromUtf16(kSettingsIni)));
    m_plates->startPresence();

    refreshPreview();

    // The stored interface language, which may differ from the running one until restarted.
    (readLanguage() == u"en" ? m_face.actionLanguageEn : m_face.actionLanguageZh)->setChecked(true);

    // Serial port list of the lifter.
    m_lifter->fillPorts();
}

void MainWindow::route() {
    connect(m_face.actionAbout, &QAction::triggered, this, &MainWindow::onAbout);
    connect(m_face.usbUpdate, &QPushButton::clicked, m_usb, &UsbPanel::onUsbUpdate);
    connect(m_face.makeIdFile, &QPushButton::clicked, m_usb, &UsbPanel::onMakeIdFile);
    connect(m_face.makeIpFiles, &QPushButton::clicked, m_usb, &UsbPanel::onMakeIpFiles);
    connect(m_face.fontButton, &QPushButton::clicked, m_editor, &LayoutEditor::onChooseFont);
    connect(m_face.autoFit, &QCheckBox::toggled, m_editor, &LayoutEditor::onAutoFit);
    connect(m_face.solidBackground, &QPushButton::clicked, m_editor,
            &LayoutEditor::onSolidBackground);
    connect(m_face.pictureBackground, &QPushButton::clicked, m_editor,
            &LayoutEditor::onPictureBackground);
    connect(m_face.actionNetwork, &QAction::triggered, this,
            [this] { runNetworkSettings(m_network, this); });
    connect(m_face.detectPlates, &QPushButton::clicked, this, &MainWindow::detectPlates);
    connect(m_plates, &PlatePanel::platesChanged, this, &MainWindow::detectPlates);
    connect(m_face.openTable, &QPushButton::clicked, this, &MainWindow::onOpenTable);
    connect(m_face.changeId, &QPushButton::clicked, m_plates, &PlatePanel::changeId);
    connect(m_face.changeIp, &QPushButton::clicked, m_plates, &PlatePanel::changeIp);
    connect(m_face.actionFactoryReset, &QAction::triggered, m_plates, &PlatePanel::factoryReset);
    connect(m_face.actionPresence, &QAction::triggered, m_plates, &PlatePanel::setPresence);
    connect(m_face.actionLanguageZh, &QAction::triggered, this,
            [this] { chooseLanguage(this, QStringLiteral("zh")); });
    connect(m_face.actionLanguageEn, &QAction::triggered, this,
            [this] { chooseLanguage(this, QStringLiteral("en")); });
    connect(m_face.networkUpdate, &QPushButton::clicked, m_jobs, &Jobs::networkUpdate);
}

void MainWindow::detectPlates() {
    m_plates->detect(m_network.local().ip, m_network.local().prefix);
}

QString MainWindow::findPlateIp(const QString &plateId) const {
    return m_plates->online().findPlateIp(plateId);
}

void MainWindow::refreshPreview() {
    m_preview.render(m_design.layout(), m_design.canvas().m_background);
    m_face.preview->update();
}

void MainWindow::onAbout() {
    AboutDialog about(this);
    about.exec();
}

void MainWindow::onOpenTable() {
    m_listEditor->openTable();
}

void MainWindow::showEntry(const NameRecord &entry) {
    m_preview.setTexts(entry.texts());
    refreshPreview();
}

void MainWindow::reject() {
    if (m_meeting->maybeSave())
        QDialog::reject();
}

void MainWindow::openFile(const QString &path) {
    if (isMeetingFile(path))
        m_meeting->openPath(path);
    else
        m_listEditor->importFile(path);
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event) {
    if (!droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event) {
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // After the drop has returned, so the program the file came from is not held up.
    QMetaObject::invokeMethod(
        this, [this, path] { openFile(path); }, Qt::QueuedConnection);
}

#ifdef _WIN32
namespace {
constexpr UINT kIdmAboutBox = 0x0010;
}

void MainWindow::addAboutToSystemMenu() {
    HMENU menu = GetSystemMenu(reinterpret_cast<HWND>(winId()), FALSE);
    if (!menu)
        return;
    const QString text = tr("关于 Delvora(&A)...");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, kIdmAboutBox, reinterpret_cast<LPCWSTR>(text.utf16()));
}

bool MainWindow::nativeEvent(const QByteArray &eventType, void *message, qintptr *result) {
    const MSG *msg = static_cast<const MSG *>(message);
    if (msg->message == WM_SYSCOMMAND && (msg->wParam & 0xFFF0) == kIdmAboutBox) {
        onAbout();
        *result = 0;
        return true;
    }
    return QDialog::nativeEvent(eventType, message, result);
}
#else
// Only Windows gives a program a system menu of its own; the 帮助 menu serves elsewhere.
void MainWindow::addAboutToSystemMenu() {}
#endif

} // namespace delvora
