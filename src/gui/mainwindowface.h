#pragma once

#include <QCoreApplication>
#include <QWidget>
#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QProgressBar;
class QPushButton;
class QTreeView;
class QAction;

namespace delvora {

class PreviewWidget;
struct LayoutControls;

// Every control of the main window, created at its place in tab order. Object names are
// stable; tests and UI automation find controls by them.
struct MainWindowFace {
    QWidget *client = nullptr;                // the client area below the menu bar
    QPushButton *openTable = nullptr;         // 打开表格, default button
    QTreeView *nameList = nullptr;            // 名单
    QPushButton *networkUpdate = nullptr;     // 网络更新
    QPushButton *pictureBackground = nullptr; // 图片背景
    PreviewWidget *preview = nullptr;         // 预览
    QPushButton *detectPlates = nullptr;      // 检测在线桌牌
    QTreeView *onlineList = nullptr;          // 在线桌牌
    QPushButton *usbUpdate = nullptr;         // U盘更新
    QPushButton *solidBackground = nullptr;   // 单色背景
    QComboBox *driveCombo = nullptr;          // U盘, editable
    QPushButton *fontButton = nullptr;        // 设置
    QComboBox *alignH = nullptr;              // 水平对齐
    QComboBox *alignV = nullptr;              // 垂直对齐
    QLineEdit *indentLeft = nullptr;          // 缩进 左
    QLineEdit *indentRight = nullptr;         // 缩进 右
    QLineEdit *indentTop = nullptr;           // 缩进 上
    QLineEdit *indentBottom = nullptr;        // 缩进 下
    QComboBox *rowCombo = nullptr;            // 选择行序
    QProgressBar *progress = nullptr;         // 进度
    QLabel *progressText = nullptr;           // the progress in percent
    QWidget *previewFrame = nullptr;          // 预览区
    QPushButton *makeIdFile = nullptr;        // 生成ID
    QPushButton *changeId = nullptr;          // 修改ID
    QLineEdit *newId = nullptr;               // the new ID
    QPushButton *lifterUp = nullptr;          // 上升
    QPushButton *lifterStop = nullptr;        // 停止
    QPushButton *lifterDown = nullptr;        // 下降
    QComboBox *comPort = nullptr;             // 串口
    QPushButton *changeIp = nullptr;          // 修改IP
    QPushButton *makeIpFiles = nullptr;       // 生成IP
    QCheckBox *autoFit = nullptr;             // 自动缩小 of the chosen row

    QMenuBar *menuBar = nullptr;
    QAction *actionNewMeeting = nullptr;    // 文件 → 新建会议
    QAction *actionOpenMeeting = nullptr;   // 文件 → 打开会议…
    QAction *actionSaveMeeting = nullptr;   // 文件 → 保存会议
    QAction *actionSaveMeetingAs = nullptr; // 文件 → 会议另存为…
    QMenu *menuFile = nullptr;              // 文件
    QMenu *menuRecentMeetings = nullptr;    // 文件 → 最近的会议
    QAction *actionRes800 = nullptr;
    QAction *actionRes1024 = nullptr;
    QAction *actionNetwork = nullptr;
    QAction *actionFactoryReset = nullptr;
    QAction *actionPresence = nullptr; // 设置 → 自动检测在线状态, a check item
    QAction *actionAbout = nullptr;
    QAction *actionLanguageZh = nullptr; // 语言 / Language → 中文
    QAction *actionLanguageEn = nullptr; // 语言 / Language → English

    // Builds the controls as children of `window`, with the menu bar on top.
    void build(QWidget *window);
    void buildFileMenu();
    // The controls the layout editor works with.
    LayoutControls layoutControls() const;

    // The window's texts belong to the translation context "MainWindowFace". Last: the macro
    // ends in "private:".
    Q_DECLARE_TR_FUNCTIONS(MainWindowFace)
};

// The preview control: paints the kept preview picture, takes no mouse input itself.
class PreviewWidget : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    std::function<void(QPainter &, const QRect &)> paintPreview;

protected:
    void paintEvent(QPaintEvent *) override;
};

} // namespace delvora
