#include "app/plaxondlg.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>

#include "app/aboutdlg.h"
#include "common/prompt.h"
#include "layout/renderer.h"
#include "namelist/namelistview.h"

namespace delvora {

CPlaxonDlg *g_pMainDlg = nullptr;

CPlaxonDlg::CPlaxonDlg(QWidget *parent) : QDialog(parent) {
    // The layout is read before any control exists.
    m_layout.Load(m_canvas.m_nWidth, m_canvas.m_nHeight);

    setWindowTitle(QStringLiteral("Delvora"));
    setObjectName(QStringLiteral("CPlaxonDlg"));
    setWindowIcon(QIcon(QStringLiteral(":/delvora/delvora.png")));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    m_face.build(this);
    m_face.preview->paintPreview = [this](QPainter &painter, const QRect &r) {
        m_canvas.DrawPreview(painter, r);
    };

    m_timerConnect = new QTimer(this);
    m_timerConnect->setSingleShot(true);
    connect(m_timerConnect, &QTimer::timeout, this, [this] { OnTimer(TIMER_CONNECT); });
    m_timerIdChange = new QTimer(this);
    m_timerIdChange->setSingleShot(true);
    connect(m_timerIdChange, &QTimer::timeout, this, [this] { OnTimer(TIMER_ID_CHANGE); });

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
    g_pMainDlg = this;

    // The two lists in report view with their columns.
    auto *online = m_face.onlineList;
    online->setHeaderLabels({QStringLiteral("ID"), QStringLiteral("IP")});
    online->header()->resizeSection(0, 30);
    online->header()->resizeSection(1, 130);
    AttachNameList(m_face.nameList, m_names);

    // Row, horizontal and vertical alignment choices.
    m_face.rowCombo->addItems(
        {QStringLiteral("第1行"), QStringLiteral("第2行"), QStringLiteral("第3行")});
    m_face.rowCombo->setCurrentIndex(0);
    m_face.alignH->addItems(
        {QStringLiteral("左对齐"), QStringLiteral("居中"), QStringLiteral("右对齐")});
    m_face.alignV->addItems(
        {QStringLiteral("靠上"), QStringLiteral("居中"), QStringLiteral("靠下")});

    // Network settings: the stored adapter or fixed address gives the local address.

    // The preview region and the canvas pictures.
    m_face.previewFrame->setGeometry(7, 7, 519, 307);
    PlacePreview();
    m_canvas.InitCanvas(QStringLiteral("./red.jpg"), m_layout.m_crBackColor);
    CheckResolutionItem();

    // Row 0's style in the editing controls.
    const RowStyle &row0 = m_layout.m_pRows[0];
    for (QComboBox *box : {m_face.alignH, m_face.alignV}) {
        const QSignalBlocker block(box);
        box->setCurrentIndex(box == m_face.alignH ? row0.m_nAlignH : row0.m_nAlignV);
    }
    m_nEditLeft = row0.m_nIndentL;
    m_nEditTop = row0.m_nIndentT;
    m_nEditRight = row0.m_nIndentR;
    m_nEditBottom = row0.m_nIndentB;

    // Drive list: every ready volume, the last one selected.

    // Host address, picture server on m_nTcpPort, datagram socket on UDP 8089.

    // Members to controls; changes made here must not run the edit handlers.
    for (auto [edit, value] : {std::pair{m_face.indentBottom, m_nEditBottom},
                               std::pair{m_face.indentLeft, m_nEditLeft},
                               std::pair{m_face.indentRight, m_nEditRight},
                               std::pair{m_face.indentTop, m_nEditTop}}) {
        const QSignalBlocker block(edit);
        edit->setText(QString::number(value));
    }

    RefreshPreview();

    // Serial port list of the lifter.
}

void CPlaxonDlg::Route() {
    connect(m_face.actionAbout, &QAction::triggered, this, &CPlaxonDlg::OnAbout);
    connect(m_face.openTable, &QPushButton::clicked, this, &CPlaxonDlg::OnOpenTable);
    // Clicks on the client area reach the drag handlers, also over the preview.
    m_face.client->setMouseTracking(true);
    m_face.client->installEventFilter(this);
}

void CPlaxonDlg::PlacePreview() {
    m_face.preview->setGeometry(PreviewGeometry(m_canvas.m_nWidth, m_canvas.m_nHeight));
}

void CPlaxonDlg::CheckResolutionItem() {
    const bool small = m_canvas.m_nWidth == 800;
    m_face.actionRes800->setChecked(small);
    m_face.actionRes1024->setChecked(!small);
}

void CPlaxonDlg::RefreshPreview() {
    m_canvas.m_pPreview = RenderPlate(m_layout, m_canvas.m_pBackground);
    DrawPreview();
}

void CPlaxonDlg::DrawPreview() { m_face.preview->update(); }

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
    // A read error is not the command's to handle: its own text is shown with a stop icon.
    try {
        if (m_nameImport.Run(this, m_layout))
            RefreshPreview();
    } catch (const std::exception &e) {
        Prompt::stop(this, QString::fromUtf8(e.what()));
    }
}

bool CPlaxonDlg::eventFilter(QObject *watched, QEvent *event) {
    return QDialog::eventFilter(watched, event);
}

void CPlaxonDlg::keyPressEvent(QKeyEvent *event) {
    // Enter activates the default (or focused) button and never closes the window; Esc closes.
    QDialog::keyPressEvent(event);
}

} // namespace delvora
