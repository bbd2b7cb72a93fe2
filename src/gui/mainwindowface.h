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

// Every control of the main window, created at its place in tab order. Object names are
// stable; tests and UI automation find controls by them.
struct MainWindowFace {
    QWidget *client = nullptr;                // the client area below the menu bar
    QPushButton *openTable = nullptr;         // 1001 打开表格, default button
    QTreeView *nameList = nullptr;            // 1002
    QPushButton *networkUpdate = nullptr;     // 1003 网络更新
    QPushButton *pictureBackground = nullptr; // 1005 图片背景
    PreviewWidget *preview = nullptr;         // 1007
    QPushButton *detectPlates = nullptr;      // 1011 检测在线桌牌
    QTreeView *onlineList = nullptr;          // 1012
    QPushButton *usbUpdate = nullptr;         // 1004 U盘更新
    QPushButton *solidBackground = nullptr;   // 1006 单色背景
    QComboBox *driveCombo = nullptr;          // 1018, editable
    QPushButton *fontButton = nullptr;        // 1019 设置
    QComboBox *alignH = nullptr;              // 1020
    QComboBox *alignV = nullptr;              // 1021
    QLineEdit *indentLeft = nullptr;          // 1022
    QLineEdit *indentRight = nullptr;         // 1023
    QLineEdit *indentTop = nullptr;           // 1024
    QLineEdit *indentBottom = nullptr;        // 1025
    QComboBox *rowCombo = nullptr;            // 1026
    QProgressBar *progress = nullptr;         // 1027
    QLabel *progressText = nullptr;           // 1028
    QWidget *previewFrame = nullptr;          // 1031
    QPushButton *makeIdFile = nullptr;        // 1035 生成ID
    QPushButton *changeId = nullptr;          // 1040 修改ID
    QLineEdit *newId = nullptr;               // 1041
    QPushButton *lifterUp = nullptr;          // 1042 上升
    QPushButton *lifterStop = nullptr;        // 1043 停止
    QPushButton *lifterDown = nullptr;        // 1044 下降
    QComboBox *comPort = nullptr;             // 1045
    QPushButton *changeIp = nullptr;          // 1046 修改IP
    QPushButton *makeIpFiles = nullptr;       // 1036 生成IP
    QCheckBox *autoFit = nullptr;             // 自动缩小 of the chosen row

    QMenuBar *menuBar = nullptr;
    QAction *actionRes800 = nullptr;       // 32781
    QAction *actionRes1024 = nullptr;      // 32780
    QAction *actionNetwork = nullptr;      // 32776
    QAction *actionFactoryReset = nullptr; // 32782
    QAction *actionPresence = nullptr;     // 设置 → 自动检测在线状态, a check item
    QAction *actionAbout = nullptr;        // 32775
    QAction *actionLanguageZh = nullptr;   // 语言 / Language → 中文
    QAction *actionLanguageEn = nullptr;   // 语言 / Language → English

    // Builds the controls as children of `window`, with the menu bar on top.
    void build(QWidget *window);

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
