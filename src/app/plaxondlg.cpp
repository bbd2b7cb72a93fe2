#include "app/plaxondlg.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>

#include "app/aboutdlg.h"
#include "app/uilanguage.h"

#ifdef _WIN32
#include <windows.h>
#endif
#include "common/prompt.h"
#include "layout/layoutfiles.h"
#include "layout/renderer.h"
#include "namelist/namelistview.h"
#include "net/factoryreset.h"
#include "net/networkoptions.h"
#include "net/plateaddresschange.h"
#include "net/plateidchange.h"
#include "netcfg/netset.h"
#include "usb/usbprovisioning.h"

namespace delvora {

CPlaxonDlg *g_pMainDlg = nullptr;

CPlaxonDlg::CPlaxonDlg(QWidget *parent) : QDialog(parent) {
    // The layout is read before any control exists.
    m_layout.Load(m_canvas.m_nWidth, m_canvas.m_nHeight);
    m_canvas.SetPlateSize(m_canvas.m_nWidth);

    setAcceptDrops(true);
    setWindowTitle(QStringLiteral("Delvora"));
    setObjectName(QStringLiteral("CPlaxonDlg"));
    setWindowIcon(QIcon(QStringLiteral(":/delvora/delvora.png")));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);
    m_face.build(this);
    m_face.preview->paintPreview = [this](QPainter &painter, const QRect &r) {
        m_canvas.DrawPreview(painter, r);
    };

    LayoutControls controls;
    controls.row = m_face.rowCombo;
    controls.alignH = m_face.alignH;
    controls.alignV = m_face.alignV;
    controls.left = m_face.indentLeft;
    controls.right = m_face.indentRight;
    controls.top = m_face.indentTop;
    controls.bottom = m_face.indentBottom;
    controls.autoFit = m_face.autoFit;
    controls.preview = m_face.preview;
    controls.client = m_face.client;
    controls.res800 = m_face.actionRes800;
    controls.res1024 = m_face.actionRes1024;
    m_editor = new LayoutEditor(
        m_layout, m_canvas, controls,
        [this] {
            RefreshPreview();
            m_marks.schedule();
        },
        this);

    UsbContext usb;
    usb.names = &m_names;
    usb.layout = &m_layout;
    usb.canvas = &m_canvas;
    usb.excel = &m_excel;
    usb.driveBox = m_face.driveCombo;
    usb.usbButton = m_face.usbUpdate;
    usb.progress = m_face.progress;
    usb.progressText = m_face.progressText;
    usb.confirmSending = [this](QWidget *owner) { return m_marks.confirmSending(owner); };
    m_usb = new UsbProvisioning(usb, this);

    m_timerConnect = new QTimer(this);
    m_timerConnect->setSingleShot(true);
    connect(m_timerConnect, &QTimer::timeout, this, [this] { OnTimer(TIMER_CONNECT); });
    m_timerIdChange = new QTimer(this);
    m_timerIdChange->setSingleShot(true);
    connect(m_timerIdChange, &QTimer::timeout, this, [this] { OnTimer(TIMER_ID_CHANGE); });

    m_onlinePlates.Attach(m_face.onlineList, m_face.newId);
    m_onlinePlates.setNameList(&m_names);
    connect(&m_update, &NetworkUpdate::plateStateChanged, &m_onlinePlates,
            &OnlinePlates::SetPlateState);
    connect(m_face.actionPresence, &QAction::triggered, this, [this](bool on) {
        NetworkOptions::setPresence(QString::fromUtf16(kSettingsIni), on);
        m_presence.setEnabled(on);
    });

    Route();
    OnInitDialog();
}

CPlaxonDlg::~CPlaxonDlg() {
    // Indents changed by dragging are saved only here.
    m_layout.SaveIndents();
    if (g_pMainDlg == this)
        g_pMainDlg = nullptr;
}

void CPlaxonDlg::OnInitDialog() {
    AddAboutToSystemMenu();
    g_pMainDlg = this;

    // The two lists in report view; each names and sizes its own columns.
    AttachNameList(m_face.nameList, m_names);
    m_listEditor = new NameListEditor(m_face.nameList, m_names, this);
    connect(m_listEditor, &NameListEditor::showEntry, this, &CPlaxonDlg::ShowEntry);

    // Row, horizontal and vertical alignment choices.
    m_editor->FillChoices();

    // Network settings: the stored adapter or fixed address gives the local address.
    SetLocalAddress(LoadLocalAddress(m_settings, this));

    // The preview region and the canvas pictures.
    m_face.previewFrame->setGeometry(7, 7, 519, 307);
    m_editor->PlacePreview();
    m_canvas.InitCanvas(QStringLiteral("./red.jpg"), m_layout.m_crBackColor);
    m_editor->CheckResolutionItem();

    // Row 0's style in the editing controls.
    m_editor->ShowRowStyle(0);

    // Drive list: every ready volume, the last one selected.
    m_usb->FillDrives();

    // Host address, picture server on m_nTcpPort, datagram socket on UDP 8089.
    m_udpSocket.FindHostAddress();
    m_pictureServer.StartPictureServer(quint16(m_nTcpPort), this);
    m_udpSocket.Create();
    m_update.setParallel(NetworkOptions::parallel(QString::fromUtf16(kSettingsIni)));
    const bool presence = NetworkOptions::presence(QString::fromUtf16(kSettingsIni));
    m_face.actionPresence->setChecked(presence);
    m_presence.setEnabled(presence);

    // Members to controls; changes made here must not run the edit handlers.
    m_editor->UpdateData(false);

    RefreshPreview();

    // The stored interface language, which may differ from the running one until restarted.
    (ReadLanguage() == u"en" ? m_face.actionLanguageEn : m_face.actionLanguageZh)->setChecked(true);

    // Serial port list of the lifter.
    m_lifter.FillPortList(m_face.comPort);
}

void CPlaxonDlg::Route() {
    connect(m_face.actionAbout, &QAction::triggered, this, &CPlaxonDlg::OnAbout);
    connect(m_face.usbUpdate, &QPushButton::clicked, m_usb, &UsbProvisioning::OnUsbUpdate);
    connect(m_face.makeIdFile, &QPushButton::clicked, m_usb, &UsbProvisioning::OnMakeIdFile);
    connect(m_face.makeIpFiles, &QPushButton::clicked, m_usb, &UsbProvisioning::OnMakeIpFiles);
    connect(m_face.fontButton, &QPushButton::clicked, m_editor, &LayoutEditor::OnChooseFont);
    connect(m_face.autoFit, &QCheckBox::toggled, m_editor, &LayoutEditor::OnAutoFit);
    connect(m_face.solidBackground, &QPushButton::clicked, m_editor,
            &LayoutEditor::OnSolidBackground);
    connect(m_face.pictureBackground, &QPushButton::clicked, m_editor,
            &LayoutEditor::OnPictureBackground);
    // Lifter panel; choosing the same port again reopens it.
    connect(m_face.comPort, &QComboBox::activated, this, [this](int index) {
        m_lifter.OnPortChosen(m_face.comPort->itemData(index).toString());
    });
    for (auto [button, command] : {std::pair{m_face.lifterUp, LifterCommand::Up},
                                   std::pair{m_face.lifterStop, LifterCommand::Stop},
                                   std::pair{m_face.lifterDown, LifterCommand::Down}})
        connect(button, &QPushButton::clicked, this, [this, command] { m_lifter.Send(command); });
    connect(m_face.actionNetwork, &QAction::triggered, this, &CPlaxonDlg::OnNetworkSettings);
    connect(m_face.detectPlates, &QPushButton::clicked, this, &CPlaxonDlg::DetectPlates);
    // Plate answers are handled after the event that received them, like posted messages.
    connect(&m_udpSocket, &CUdpSocket::plateReply, this, &CPlaxonDlg::OnPlateReply,
            Qt::QueuedConnection);
    connect(m_face.openTable, &QPushButton::clicked, this, &CPlaxonDlg::OnOpenTable);
    connect(m_face.changeId, &QPushButton::clicked, this, &CPlaxonDlg::OnChangeId);
    connect(&m_udpSocket, &CUdpSocket::idChangeResult, this, &CPlaxonDlg::OnIdChangeResult,
            Qt::QueuedConnection);
    connect(m_face.changeIp, &QPushButton::clicked, this, &CPlaxonDlg::OnChangeIp);
    connect(m_face.actionFactoryReset, &QAction::triggered, this, &CPlaxonDlg::OnFactoryReset);
    connect(m_face.actionLanguageZh, &QAction::triggered, this,
            [this] { ChooseLanguage(this, QStringLiteral("zh")); });
    connect(m_face.actionLanguageEn, &QAction::triggered, this,
            [this] { ChooseLanguage(this, QStringLiteral("en")); });
    // One network update at a time.
    connect(m_face.networkUpdate, &QPushButton::clicked, this, &CPlaxonDlg::OnNetworkUpdate);
    connect(&m_update, &NetworkUpdate::runningChanged, m_face.networkUpdate, &QWidget::setDisabled);
    // Updates and exports draw every entry; the preview then shows the operator's entry again.
    connect(&m_update, &NetworkUpdate::runningChanged, this, [this](bool running) {
        if (!running)
            m_listEditor->showCurrent();
    });
    connect(m_face.usbUpdate, &QPushButton::clicked, this, [this] { m_listEditor->showCurrent(); });
    // An update and an export share the progress bar: while one runs, the other waits.
    connect(&m_update, &NetworkUpdate::runningChanged, m_face.usbUpdate, &QWidget::setDisabled);
    connect(m_usb, &UsbProvisioning::exportStarted, m_face.networkUpdate,
            [this] { m_face.networkUpdate->setEnabled(false); });
    connect(m_usb, &UsbProvisioning::exportFinished, m_face.networkUpdate,
            [this] { m_face.networkUpdate->setEnabled(true); });
    m_update.setProgressBar(m_face.progress);
    // Clicks on the client area reach the drag handlers, also over the preview.
    m_face.client->setMouseTracking(true);
    m_face.client->installEventFilter(this);
}

void CPlaxonDlg::SetLocalAddress(const LocalAddress &local) {
    m_bFixedIp = local.fixed;
    m_strLocalIp = local.ip;
    m_strNetPrefix = local.prefix;
}

void CPlaxonDlg::OnNetworkSettings() {
    if (const auto chosen = RunNetworkSettings(m_settings, {m_bFixedIp, m_strLocalIp, {}}, this))
        SetLocalAddress(*chosen);
}

void CPlaxonDlg::DetectPlates() {
    m_onlinePlates.DetectPlates(m_udpSocket, m_strLocalIp, m_strNetPrefix, this);
}

void CPlaxonDlg::OnPlateReply(const PlateReply &reply) {
    m_onlinePlates.OnPlateReply(reply);
    m_presence.OnPlateReply(reply);
}

void CPlaxonDlg::OnChangeId() {
    if (PlateIdChange::Command(m_onlinePlates, m_face.newId->text(), m_udpSocket, this))
        SetTimer(TIMER_ID_CHANGE, PlateIdChange::kAnswerWaitMs);
}

void CPlaxonDlg::OnIdChangeResult(int result) {
    KillTimer(TIMER_ID_CHANGE);
    if (PlateIdChange::ShowResult(result, this))
        DetectPlates();
}

void CPlaxonDlg::OnChangeIp() {
    PlateAddressChange::Command(m_onlinePlates, m_changeIpDlg, m_udpSocket, this);
}

void CPlaxonDlg::OnFactoryReset() {
    FactoryReset::Command(m_onlinePlates, m_udpSocket, this);
}

QString CPlaxonDlg::FindPlateIp(const QString &plateId) const {
    return m_onlinePlates.FindPlateIp(plateId);
}

void CPlaxonDlg::RefreshPreview() {
    m_canvas.m_pPreview = RenderPlate(m_layout, m_canvas.m_pBackground);
    DrawPreview();
}

void CPlaxonDlg::DrawPreview() {
    m_face.preview->update();
}

void CPlaxonDlg::SetTimer(TimerId id, int milliseconds) {
    (id == TIMER_CONNECT ? m_timerConnect : m_timerIdChange)->start(milliseconds);
}

void CPlaxonDlg::KillTimer(TimerId id) {
    (id == TIMER_CONNECT ? m_timerConnect : m_timerIdChange)->stop();
}

void CPlaxonDlg::OnTimer(int id) {
    switch (id) {
    case TIMER_CONNECT:
        KillTimer(TIMER_CONNECT);
        break;
    case TIMER_ID_CHANGE:
        KillTimer(TIMER_ID_CHANGE);
        if (PlateIdChange::TimeOut(m_udpSocket))
            QMetaObject::invokeMethod(
                this, [this] { OnIdChangeResult(IdChangeTimeout); }, Qt::QueuedConnection);
        break;
    default:
        break;
    }
}

void CPlaxonDlg::OnAbout() {
    CAboutDlg about(this);
    about.exec();
}

void CPlaxonDlg::OnOpenTable() {
    ImportNames({});
}

void CPlaxonDlg::ImportNames(const QString &droppedFile) {
    if (!m_listEditor->file().maybeSave())
        return;
    const QList<NameRecord> before = m_names.entries();
    bool complete = false;
    // A read error is not the command's to handle: its own text is shown with a stop icon.
    try {
        if (droppedFile.isEmpty() ? m_nameImport.Run(this, m_layout)
                                  : m_nameImport.Import(this, m_layout, droppedFile)) {
            RefreshPreview();
            complete = true;
        }
    } catch (const std::exception &e) {
        Prompt::stop(this, QString::fromUtf8(e.what()));
    }
    m_listEditor->file().recordImport(before, m_nameImport.path(), complete);
}

void CPlaxonDlg::ShowEntry(const NameRecord &entry) {
    m_layout.SetTexts(entry.m_strOrganisation, entry.m_strName, entry.m_strTitle);
    RefreshPreview();
}

void CPlaxonDlg::reject() {
    if (m_listEditor->file().maybeSave())
        QDialog::reject();
}

void CPlaxonDlg::dragEnterEvent(QDragEnterEvent *event) {
    if (!NameListImport::DroppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CPlaxonDlg::dropEvent(QDropEvent *event) {
    const QString path = NameListImport::DroppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // After the drop has returned, so the program the file came from is not held up.
    QMetaObject::invokeMethod(
        this, [this, path] { ImportNames(path); }, Qt::QueuedConnection);
}

void CPlaxonDlg::OnNetworkUpdate() {
    // Sending every entry first asks about texts that do not fit; one chosen entry does not.
    if (m_names.count() > 0 && m_names.firstSelected() < 0 && !m_marks.confirmSending(this))
        return;
    m_update.Run(m_names, this);
}

bool CPlaxonDlg::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_face.client) {
        switch (event->type()) {
        case QEvent::MouseMove:
            m_editor->OnMouseMove(static_cast<QMouseEvent *>(event)->position().toPoint());
            break;
        case QEvent::MouseButtonPress:
            if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
                m_editor->OnLButtonDown(static_cast<QMouseEvent *>(event)->position().toPoint());
            break;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
                m_editor->OnLButtonUp();
            break;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

#ifdef _WIN32
namespace {
constexpr UINT kIdmAboutBox = 0x0010;
}

void CPlaxonDlg::AddAboutToSystemMenu() {
    HMENU menu = GetSystemMenu(reinterpret_cast<HWND>(winId()), FALSE);
    if (!menu)
        return;
    const QString text = tr("关于 Delvora(&A)...");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, kIdmAboutBox, reinterpret_cast<LPCWSTR>(text.utf16()));
}

bool CPlaxonDlg::nativeEvent(const QByteArray &eventType, void *message, qintptr *result) {
    const MSG *msg = static_cast<const MSG *>(message);
    if (msg->message == WM_SYSCOMMAND && (msg->wParam & 0xFFF0) == kIdmAboutBox) {
        OnAbout();
        *result = 0;
        return true;
    }
    return QDialog::nativeEvent(eventType, message, result);
}
#else
// Only Windows gives a program a system menu of its own; the 帮助 menu serves elsewhere.
void CPlaxonDlg::AddAboutToSystemMenu() {}
#endif

void CPlaxonDlg::keyPressEvent(QKeyEvent *event) {
    // Enter activates the default (or focused) button and never closes the window; Esc closes.
    QDialog::keyPressEvent(event);
}

} // namespace delvora
