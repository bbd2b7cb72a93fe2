#pragma once

#include <QObject>
#include <functional>
#include <optional>

class QLabel;
class QProgressBar;
class QPushButton;
class QWidget;

namespace delvora {

class NameList;
class NetworkUpdate;
class OverflowMarks;
class PictureExport;
class PlateBoard;
class PlateDesign;

// The controls the two picture jobs share.
struct JobControls {
    QPushButton *networkUpdate = nullptr;
    QPushButton *usbUpdate = nullptr;
    QProgressBar *progress = nullptr;
    QLabel *progressText = nullptr;
};

// The two jobs that draw every plate's picture, 网络更新 and U盘更新: one at a time, since they
// share the progress bar (while one runs, the other's button is disabled), and before either
// makes every entry's picture the operator is asked about entries whose texts do not fit.
class Jobs : public QObject {
    Q_OBJECT
public:
    Jobs(const JobControls &controls, NameList &names, OverflowMarks &marks,
         const PlateDesign &design, NetworkUpdate &update, const PlateBoard &board,
         QWidget *window);

    // 网络更新: the selected entry's plate, or every entry's plate, as the board lists them.
    void networkUpdate();
    // U盘更新: every entry's picture into the drive that `chooseDrive` gives (asked after the
    // question; nothing when it gives nothing).
    void usbUpdate(const std::function<std::optional<QString>()> &chooseDrive);

    PictureExport &pictureExport() { return *m_export; }

private:
    // "有N个名单的文字超出显示区域，是否继续？" when entries are marked; true to go on.
    bool confirmSending();
    void showExportProgress(int index, int count);
    void exportFinished(int failed);

    JobControls m_controls;
    NameList &m_names;
    OverflowMarks &m_marks;
    const PlateDesign &m_design;
    NetworkUpdate &m_update;
    const PlateBoard &m_board;
    PictureExport *m_export;
    QWidget *m_window;
};

} // namespace delvora
