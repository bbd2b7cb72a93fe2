#pragma once

#include <QObject>

class QComboBox;
class QWidget;

namespace delvora {

class Jobs;
class WorkbookReader;

// The USB drive commands of the main window, on the drive chosen in the drive box "U盘:":
// U盘更新 (through the picture jobs), 生成ID and 生成IP.
class UsbPanel : public QObject {
    Q_OBJECT
public:
    UsbPanel(QComboBox *driveBox, Jobs &jobs, WorkbookReader &reader, QWidget *window);

    // Fills the drive box at start-up; it follows sticks plugged in and pulled out from then on.
    void fillDrives();

public slots:
    // "U盘更新": every entry's picture as PICTURE/<plate ID>.jpg.
    void onUsbUpdate();
    // "生成ID": asks for a range and writes ID.txt in the drive root.
    void onMakeIdFile();
    // "生成IP": one address file per row of an address list, in the emptied IP folder.
    void onMakeIpFiles();

private:
    QComboBox *m_driveBox;
    Jobs &m_jobs;
    WorkbookReader &m_reader;
    QWidget *m_window;
};

} // namespace delvora
