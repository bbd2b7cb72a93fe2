#include "gui/mainwindowface.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "gui/dialogunits.h"
#include "gui/layouteditor.h"

namespace delvora {

void PreviewWidget::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    if (paintPreview)
        paintPreview(painter, rect());
}

namespace {

template <typename T>
T *place(QWidget *parent, const DialogUnits &du, int x, int y, int w, int h, const char *name,
         const QString &accessible) {
    auto *widget = new T(parent);
    widget->setGeometry(du.toPixels(x, y, w, h));
    widget->setObjectName(QString::fromLatin1(name));
    if (!accessible.isEmpty())
        widget->setAccessibleName(accessible);
    return widget;
}

QPushButton *button(QWidget *parent, const DialogUnits &du, int x, int y, int w, int h,
                    const char *name, const QString &text) {
    auto *b = place<QPushButton>(parent, du, x, y, w, h, name, text);
    b->setText(text);
    return b;
}

QLabel *label(QWidget *parent, const DialogUnits &du, int x, int y, int w, int h,
              const QString &text) {
    auto *l = new QLabel(text, parent);
    // Static texts keep their template width but may run a little wider with other fonts.
    QRect r = du.toPixels(x, y, w, h);
    r.setWidth(std::max(r.width(), l->sizeHint().width()));
    r.setHeight(std::max(r.height(), l->sizeHint().height()));
    l->setGeometry(r);
    return l;
}

// A label translated longer than its place pushes the field after it right; the field's right
// edge stays, so the rows keep their alignment.
void keepClear(QLabel *label, QWidget *field) {
    const int overlap = label->x() + label->sizeHint().width() - field->x();
    if (overlap > 0)
        field->setGeometry(field->geometry().adjusted(overlap, 0, 0, 0));
}

QGroupBox *group(QWidget *parent, const DialogUnits &du, int x, int y, int w, int h,
                 const QString &title) {
    auto *g = new QGroupBox(title, parent);
    g->setGeometry(du.toPixels(x, y, w, h));
    g->setAttribute(Qt::WA_TransparentForMouseEvents);
    g->setFocusPolicy(Qt::NoFocus);
    return g;
}

QComboBox *combo(QWidget *parent, const DialogUnits &du, int x, int y, int w, const char *name,
                 const QString &accessible, bool editable) {
    // The template height of a combo box includes its drop-down list; the closed box is one
    // line high.
    auto *c = place<QComboBox>(parent, du, x, y, w, 12, name, accessible);
    c->setEditable(editable);
    c->setMaxVisibleItems(10);
    c->resize(c->width(), std::max(c->sizeHint().height(), du.y(12)));
    return c;
}

QLineEdit *edit(QWidget *parent, const DialogUnits &du, int x, int y, int w, int h,
                const char *name, const QString &accessible) {
    return place<QLineEdit>(parent, du, x, y, w, h, name, accessible);
}

QWidget *frame(QWidget *parent, const DialogUnits &du, int x, int y, int w, int h, const char *name,
               const QString &accessible) {
    auto *f = place<QFrame>(parent, du, x, y, w, h, name, accessible);
    f->setFrameShape(QFrame::Box);
    f->setFrameShadow(QFrame::Plain);
    f->setLineWidth(1);
    f->setAttribute(Qt::WA_TransparentForMouseEvents);
    return f;
}

template <typename View> void reportView(View *view) {
    view->setRootIsDecorated(false);
    view->setItemsExpandable(false);
    view->setUniformRowHeights(true);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setSortingEnabled(false);
    view->setAllColumnsShowFocus(true);
    view->header()->setStretchLastSection(false);
    view->header()->setSectionsClickable(false);
}

// Lets the two lists take the room a larger window gives: both grow downwards, the online list
// and the name list share the extra width. Everything else keeps its place.
class ListStretcher : public QObject {
public:
    ListStretcher(QWidget *client, QWidget *online, QWidget *names)
        : QObject(client), m_base(client->minimumSize()), m_online(online), m_names(names),
          m_onlineRect(online->geometry()), m_namesRect(names->geometry()) {
        client->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Resize) {
            const QSize size = static_cast<QWidget *>(watched)->size();
            const int dx = std::max(0, size.width() - m_base.width());
            const int dy = std::max(0, size.height() - m_base.height());
            m_online->setGeometry(m_onlineRect.adjusted(0, 0, dx / 2, dy));
            m_names->setGeometry(m_namesRect.adjusted(dx / 2, 0, dx, dy));
        }
        return false;
    }

private:
    QSize m_base;
    QWidget *m_online;
    QWidget *m_names;
    QRect m_onlineRect;
    QRect m_namesRect;
};

} // namespace

void MainWindowFace::build(QWidget *window) {
    auto *outer = new QVBoxLayout(window);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    menuBar = new QMenuBar(window);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    outer->setMenuBar(menuBar);
    client = new QWidget(window);
    client->setObjectName(QStringLiteral("client"));
    outer->addWidget(client);

    QFont dialogFont(QStringLiteral("MS Shell Dlg"), 9);
    client->setFont(dialogFont);
    const DialogUnits du(dialogFont);
    // Today's size is the smallest; a larger window gives its room to the two lists.
    client->setMinimumSize(du.x(447), du.y(311));
    QWidget *c = client;

    // Template order is tab order.
    openTable = button(c, du, 210, 185, 50, 19, "openTable", tr("打开表格"));
    openTable->setDefault(true);
    nameList = place<QTreeView>(c, du, 211, 208, 229, 91, "nameList", tr("名单"));
    reportView(nameList);
    networkUpdate = button(c, du, 150, 185, 55, 18, "networkUpdate", tr("网络更新"));
    pictureBackground = button(c, du, 380, 19, 50, 14, "pictureBackground", tr("图片背景"));
    preview = place<PreviewWidget>(c, du, 57, 46, 165, 81, "preview", tr("预览"));
    preview->setAttribute(Qt::WA_TransparentForMouseEvents);
    preview->setAttribute(Qt::WA_OpaquePaintEvent);
    group(c, du, 304, 47, 136, 84, tr("设置内容格式"));
    detectPlates = button(c, du, 86, 185, 53, 18, "detectPlates", tr("检测在线桌牌"));
    onlineList = place<QTreeView>(c, du, 85, 208, 119, 91, "onlineList", tr("在线桌牌"));
    reportView(onlineList);
    usbUpdate = button(c, du, 347, 180, 32, 14, "usbUpdate", tr("U盘更新"));
    solidBackground = button(c, du, 317, 19, 50, 14, "solidBackground", tr("单色背景"));
    driveCombo = combo(c, du, 319, 181, 28, "driveCombo", tr("U盘"), true);
    keepClear(label(c, du, 303, 184, 15, 8, tr("U盘:")), driveCombo);
    fontButton = button(c, du, 347, 72, 57, 14, "fontButton", tr("设置"));
    autoFit = place<QCheckBox>(c, du, 347, 119, 57, 10, "autoFit", tr("自动缩小"));
    autoFit->setText(tr("自动缩小"));
    autoFit->setAccessibleDescription(tr("所选行的文字过长时缩小字号"));
    alignH = combo(c, du, 347, 89, 56, "alignH", tr("水平对齐"), false);
    keepClear(label(c, du, 310, 90, 35, 8, tr("水平对齐：")), alignH);
    alignV = combo(c, du, 347, 104, 56, "alignV", tr("垂直对齐"), false);
    indentLeft = edit(c, du, 330, 142, 40, 14, "indentLeft", tr("左"));
    indentRight = edit(c, du, 390, 142, 40, 14, "indentRight", tr("右"));
    indentTop = edit(c, du, 330, 160, 40, 14, "indentTop", tr("上"));
    indentBottom = edit(c, du, 390, 161, 40, 14, "indentBottom", tr("下"));
    keepClear(label(c, du, 311, 144, 15, 8, tr("左：")), indentLeft);
    keepClear(label(c, du, 373, 144, 15, 8, tr("右：")), indentRight);
    keepClear(label(c, du, 311, 161, 15, 8, tr("上：")), indentTop);
    keepClear(label(c, du, 373, 163, 15, 8, tr("下：")), indentBottom);
    group(c, du, 304, 9, 136, 27, tr("选择背景"));
    keepClear(label(c, du, 310, 105, 35, 8, tr("垂直对齐：")), alignV);
    keepClear(label(c, du, 310, 75, 35, 8, tr("字      体：")), fontButton);
    rowCombo = combo(c, du, 347, 57, 56, "rowCombo", tr("选择行序"), false);
    keepClear(label(c, du, 309, 61, 35, 8, tr("选择行序：")), rowCombo);
    progress = place<QProgressBar>(c, du, 303, 199, 95, 8, "progress", tr("进度"));
    progress->setTextVisible(false);
    progress->setRange(0, 100);
    progress->setValue(0);
    // The label's text is its value, so assistive technology reads the text itself; what the
    // label is for goes into the description.
    progressText = place<QLabel>(c, du, 403, 198, 37, 8, "progressText", QString());
    progressText->setAccessibleDescription(tr("进度百分比"));
    progressText->resize(progressText->width(), std::max(progressText->height(), 16));
    previewFrame = frame(c, du, 7, 7, 290, 173, "previewFrame", tr("预览区"));
    group(c, du, 305, 133, 135, 45, tr("缩进"));
    makeIdFile = button(c, du, 380, 180, 29, 14, "makeIdFile", tr("生成ID"));
    changeId = button(c, du, 51, 183, 26, 12, "changeId", tr("修改ID"));
    newId = edit(c, du, 20, 186, 21, 16, "newId", QStringLiteral("ID"));
    label(c, du, 8, 191, 8, 8, QStringLiteral("ID"));
    group(c, du, 7, 205, 70, 95, tr("升降器控制"));
    lifterUp = button(c, du, 16, 246, 50, 14, "lifterUp", tr("上升"));
    lifterStop = button(c, du, 16, 263, 50, 14, "lifterStop", tr("停止"));
    lifterDown = button(c, du, 16, 280, 50, 14, "lifterDown", tr("下降"));
    comPort = combo(c, du, 17, 222, 48, "comPort", tr("串口"), false);
    changeIp = button(c, du, 51, 196, 26, 12, "changeIp", tr("修改IP"));
    makeIpFiles = button(c, du, 411, 180, 29, 14, "makeIpFiles", tr("生成IP"));

    // Group boxes and frames were created in template order but must not hide the controls
    // they frame.
    for (QGroupBox *g : client->findChildren<QGroupBox *>(Qt::FindDirectChildrenOnly))
        g->lower();
    previewFrame->lower();

    new ListStretcher(client, onlineList, nameList);

    // Tab order follows the template.
    QWidget *previous = nullptr;
    for (QWidget *w :
         {static_cast<QWidget *>(openTable),     static_cast<QWidget *>(nameList),
          static_cast<QWidget *>(networkUpdate), static_cast<QWidget *>(pictureBackground),
          static_cast<QWidget *>(detectPlates),  static_cast<QWidget *>(onlineList),
          static_cast<QWidget *>(usbUpdate),     static_cast<QWidget *>(solidBackground),
          static_cast<QWidget *>(driveCombo),    static_cast<QWidget *>(fontButton),
          static_cast<QWidget *>(alignH),        static_cast<QWidget *>(alignV),
          static_cast<QWidget *>(autoFit),       static_cast<QWidget *>(indentLeft),
          static_cast<QWidget *>(indentRight),   static_cast<QWidget *>(indentTop),
          static_cast<QWidget *>(indentBottom),  static_cast<QWidget *>(rowCombo),
          static_cast<QWidget *>(makeIdFile),    static_cast<QWidget *>(changeId),
          static_cast<QWidget *>(newId),         static_cast<QWidget *>(lifterUp),
          static_cast<QWidget *>(lifterStop),    static_cast<QWidget *>(lifterDown),
          static_cast<QWidget *>(comPort),       static_cast<QWidget *>(changeIp),
          static_cast<QWidget *>(makeIpFiles)}) {
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }

    buildFileMenu();

    // Menu: 设置 (分辨率, 网络, 恢复出厂设置, 语言) and 帮助 (关于).
    QMenu *settings = menuBar->addMenu(tr("设置(&S)"));
    settings->setObjectName(QStringLiteral("menuSettings"));
    QMenu *resolution = settings->addMenu(tr("分辨率(&R)"));
    resolution->setObjectName(QStringLiteral("menuResolution"));
    actionRes800 = resolution->addAction(QStringLiteral("800×480"));
    actionRes800->setObjectName(QStringLiteral("actionRes800"));
    actionRes800->setCheckable(true);
    actionRes1024 = resolution->addAction(QStringLiteral("1024×600"));
    actionRes1024->setObjectName(QStringLiteral("actionRes1024"));
    actionRes1024->setCheckable(true);
    actionNetwork = settings->addAction(tr("网络(&N)"));
    actionNetwork->setObjectName(QStringLiteral("actionNetwork"));
    actionFactoryReset = settings->addAction(tr("恢复出厂设置(&D)"));
    actionFactoryReset->setObjectName(QStringLiteral("actionFactoryReset"));
    // Each language is offered by its own name, so an operator finds it in either interface.
    actionPresence = settings->addAction(tr("自动检测在线状态"));
    actionPresence->setObjectName(QStringLiteral("actionPresence"));
    actionPresence->setCheckable(true);
    QMenu *language = settings->addMenu(tr("语言 / Language"));
    language->setObjectName(QStringLiteral("menuLanguage"));
    auto *languages = new QActionGroup(language);
    actionLanguageZh = language->addAction(QStringLiteral("中文"));
    actionLanguageZh->setObjectName(QStringLiteral("actionLanguageZh"));
    actionLanguageEn = language->addAction(QStringLiteral("English"));
    actionLanguageEn->setObjectName(QStringLiteral("actionLanguageEn"));
    for (QAction *a : {actionLanguageZh, actionLanguageEn}) {
        a->setCheckable(true);
        languages->addAction(a);
    }
    QMenu *help = menuBar->addMenu(tr("帮助(&H)"));
    help->setObjectName(QStringLiteral("menuHelp"));
    actionAbout = help->addAction(tr("关于 Delvora(&A)"));
    actionAbout->setObjectName(QStringLiteral("actionAbout"));
}

void MainWindowFace::buildFileMenu() {
    // Menu: 文件 (the meeting commands).
    QMenu *file = menuFile = menuBar->addMenu(tr("文件(&F)"));
    file->setObjectName(QStringLiteral("menuFile"));
    actionNewMeeting = file->addAction(tr("新建会议(&N)"));
    actionNewMeeting->setObjectName(QStringLiteral("actionNewMeeting"));
    actionNewMeeting->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    actionOpenMeeting = file->addAction(tr("打开会议(&O)…"));
    actionOpenMeeting->setObjectName(QStringLiteral("actionOpenMeeting"));
    actionOpenMeeting->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    actionSaveMeeting = file->addAction(tr("保存会议(&S)"));
    actionSaveMeeting->setObjectName(QStringLiteral("actionSaveMeeting"));
    actionSaveMeetingAs = file->addAction(tr("会议另存为(&A)…"));
    actionSaveMeetingAs->setObjectName(QStringLiteral("actionSaveMeetingAs"));
    file->addSeparator();
    menuRecentMeetings = file->addMenu(tr("最近的会议(&R)"));
    menuRecentMeetings->setObjectName(QStringLiteral("menuRecentMeetings"));
    file->addSeparator(); // the 打印 submenu follows
}

LayoutControls MainWindowFace::layoutControls() const {
    return {rowCombo,     alignH,  alignV,  indentLeft, indentRight,  indentTop,
            indentBottom, autoFit, preview, client,     actionRes800, actionRes1024};
}

} // namespace delvora
