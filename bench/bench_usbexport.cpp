// The USB picture export of 1,000 entries into a folder, next to rendering and encoding the
// same 1,000 pictures one after another on one core through Qt's image writer (how the export
// made them before it used every core and TurboJPEG).
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <QThreadPool>
#include <cstdio>

#include "gui/application.h"
#include "gui/mainwindow.h"
#include "gui/prompt.h"
#include "layout/jpegencoder.h"
#include "layout/picturepool.h"
#include "layout/renderer.h"
#include "namelist/namelist.h"
#include "usb/drivelist.h"
#include "usb/pictureexport.h"

using namespace delvora;

namespace {

class OneDrive : public DriveList {
public:
    explicit OneDrive(QString root) : m_root(std::move(root)) {}
    QList<DriveInfo> drives() const override {
        return {{m_root, qint64(1) << 30, QString(), QStringLiteral("/dev/sdz1"), false}};
    }
    bool removableDevice(const QString &) const override { return true; }

private:
    QString m_root;
};

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Application::prepareApplication();
    QTemporaryDir work;
    QDir::setCurrent(work.path());
    QDir().mkpath(QStringLiteral("drive"));
    OneDrive drive(work.filePath(QStringLiteral("drive")));
    DriveList::setInstance(&drive);
    RecordingPrompt prompt;
    Prompt::setInstance(&prompt);

    MainWindow dlg;
    const int count = 1000;
    QList<NameRecord> entries;
    for (int i = 1; i <= count; ++i)
        entries.append({i, QString::number(i), QStringLiteral("国家发展和改革委员会第%1司").arg(i),
                        QStringLiteral("张%1伟").arg(i % 97), QStringLiteral("副司长")});
    dlg.names().append(entries);
    PlateLayout layout = dlg.design().layout();
    layout.rows[0].indentTop = -170;
    layout.rows[2].indentTop = 170;
    dlg.design().setLayout(layout);

    // The former work: render and encode every picture in memory on this thread.
    QElapsedTimer t;
    t.start();
    for (const NameRecord &e : entries) {
        encodeJpegWithImageWriter(
            renderPlate(dlg.design().layout(), dlg.design().canvas().m_background, e.texts()), 97);
    }
    const double single = double(t.nsecsElapsed()) / 1e6;

    // The export from the button until its message, files written to the folder.
    QEventLoop loop;
    QObject::connect(dlg.findChild<PictureExport *>(), &PictureExport::finished, &loop,
                     &QEventLoop::quit);
    t.restart();
    dlg.face().usbUpdate->click();
    if (!dlg.face().usbUpdate->isEnabled()) // otherwise it stopped at once, as "said" tells
        loop.exec();
    const double exported = double(t.nsecsElapsed()) / 1e6;

    std::printf("%d plates on %d cores (%d pool threads, TurboJPEG %s): single-core render+encode "
                "through QImageWriter %.2f ms/plate, USB export %.2f ms/plate, ratio %.2f "
                "(goal <= 0.55 on 2 cores); said: %s\n",
                count, QThread::idealThreadCount(), picturePool().maxThreadCount(),
                hasFastJpegEncoder() ? "yes" : "no", single / count, exported / count,
                exported / single, qPrintable(prompt.said.join(u'|')));
    Prompt::setInstance(nullptr);
    DriveList::setInstance(nullptr);
    return 0;
}
