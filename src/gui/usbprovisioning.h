#pragma once

#include <QObject>
#include <functional>

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QWidget;

namespace delvora {

class WorkbookReader;
class NameList;
class PictureBatch;
class PlateCanvas;
struct AddressRecord;
struct PlateLayout;

// What the USB commands work on: the name list, the layout and pictures, the workbook reader,
// and the controls of the main window they use.
struct UsbContext {
    NameList *names = nullptr;
    PlateLayout *layout = nullptr;
    PlateCanvas *canvas = nullptr;
    WorkbookReader *excel = nullptr;
    QComboBox *driveBox = nullptr;
    QPushButton *usbButton = nullptr;
    QProgressBar *progress = nullptr;
    QLabel *progressText = nullptr;
    // Asked before the pictures are made (texts that do not fit); true to go on.
    std::function<bool(QWidget *owner)> confirmSending;
};

// The USB drive commands: plate pictures, the ID list file and the address files, written to
// the drive chosen in the drive box.
class UsbProvisioning : public QObject {
    Q_OBJECT
public:
    UsbProvisioning(const UsbContext &context, QWidget *owner);

    // Fills the drive box at start-up.
    void fillDrives();

public slots:
    // "U盘更新": every entry's picture as PICTURE/<plate ID>.jpg, made on the picture pool
    // while the window goes on; the button stays disabled until the export has ended.
    void onUsbUpdate();
    // "生成ID": asks for a range and writes ID.txt in the drive root.
    void onMakeIdFile();
    // "生成IP": one address file per row of an address workbook, in the emptied IP folder.
    void onMakeIpFiles();

signals:
    // The picture export has begun; the window goes on while it runs.
    void exportStarted();
    // The picture export has ended and its message was shown.
    void exportFinished();

private:
    // False when no export was started (the message was shown).
    bool exportPictures(const QString &root);
    void onPictureWritten(int index, bool stored);
    void onExportFinished();
    bool writeAddressFile(const QString &folder, const AddressRecord &record);

    UsbContext m_ctx;
    QWidget *m_owner;
    PictureBatch *m_batch = nullptr; // the running export
    int m_exportCount = 0;
    int m_exportFailed = 0;
};

} // namespace delvora
