// The USB picture export of 1,000 entries into a folder, next to rendering and encoding the
// same 1,000 pictures alone.
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QImageWriter>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>

#include "app/plaxonapp.h"
#include "app/plaxondlg.h"
#include "common/prompt.h"
#include "layout/renderer.h"
#include "namelist/namelist.h"
#include "usb/drivelist.h"

using namespace delvora;

namespace {

class OneDrive : public DriveList {
public:
    explicit OneDrive(QString root) : m_root(std::move(root)) {}
    QList<DriveInfo> drives() const override { return {{m_root, 0}}; }

private:
    QString m_root;
};

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    CPlaxonApp::PrepareApplication();
    QTemporaryDir work;
    QDir::setCurrent(work.path());
    QDir().mkpath(QStringLiteral("drive"));
    OneDrive drive(work.filePath(QStringLiteral("drive")));
    DriveList::setInstance(&drive);
    RecordingPrompt prompt;
    Prompt::setInstance(&prompt);

    CPlaxonDlg dlg;
    const int count = 1000;
    QList<NameRecord> entries;
    for (int i = 1; i <= count; ++i)
        entries.append({i, QString::number(i), QStringLiteral("国家发展和改革委员会第%1司").arg(i),
                        QStringLiteral("张%1伟").arg(i % 97), QStringLiteral("副司长")});
    dlg.names().append(entries);
    dlg.layout().m_pRows[0].m_nIndentT = -170;
    dlg.layout().m_pRows[2].m_nIndentT = 170;

    // The bare work: render and encode every picture in memory.
    QElapsedTimer t;
    t.start();
    for (const NameRecord &e : entries) {
        dlg.layout().SetTexts(e.m_strOrganisation, e.m_strName, e.m_strTitle);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpeg");
        writer.setQuality(97);
        writer.write(RenderPlate(dlg.layout(), dlg.canvas().m_pBackground));
    }
    const double bare = double(t.nsecsElapsed()) / 1e6;

    t.restart();
    dlg.face().usbUpdate->click();
    const double exported = double(t.nsecsElapsed()) / 1e6;

    std::printf("%d plates: render+encode alone %.2f ms/plate, USB export %.2f ms/plate, "
                "ratio %.2f (goal <= 1.3); said: %s\n",
                count, bare / count, exported / count, exported / bare,
                qPrintable(prompt.said.join(u'|')));
    Prompt::setInstance(nullptr);
    DriveList::setInstance(nullptr);
    return 0;
}
