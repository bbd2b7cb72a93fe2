#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeView>
#include <QtTest>

#include "gui/application.h"
#include "gui/mainwindow.h"
#include "layout/jpegencoder.h"
#include "layout/renderer.h"
#include "namelist/namelist.h"
#include "namelist/overflowmarks.h"
#include "support/fakedrives.h"
#include "support/jpegcheck.h"
#include "support/scriptedprompt.h"
#include "support/tempworkdir.h"
#include "usb/pictureexport.h"

using namespace delvora;
using namespace delvora::test;

namespace {

NameRecord entry(int seq, const QString &id, const QString &name) {
    return {seq, id, QStringLiteral("单位%1").arg(seq), name, QStringLiteral("职位%1").arg(seq)};
}

QList<NameRecord> entries(int count) {
    QList<NameRecord> out;
    for (int i = 1; i <= count; ++i)
        // Names of different lengths, so that pictures of different entries differ clearly;
        // short enough to fit their row, so that no question comes before the export.
        out << entry(i, QString::number(i), QString(i % 5 + 1, QChar(0x5F20 + i)));
    return out;
}

// Records the progress text each time it is painted.
class PaintedTexts : public QObject {
public:
    explicit PaintedTexts(QLabel *label) : m_label(label) { label->installEventFilter(this); }
    QStringList texts;

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Paint && (texts.isEmpty() || texts.last() != m_label->text()))
            texts << m_label->text();
        return false;
    }

private:
    QLabel *m_label;
};

// Pixels that differ clearly between two pictures of the same size: JPEG noise stays well
// below the threshold, a different glyph does not.
int differingPixels(const QImage &a, const QImage &b) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    int n = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto *p = reinterpret_cast<const QRgb *>(x.constScanLine(row));
        const auto *q = reinterpret_cast<const QRgb *>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            if (std::abs(qRed(p[col]) - qRed(q[col])) > 80 ||
                std::abs(qGreen(p[col]) - qGreen(q[col])) > 80 ||
                std::abs(qBlue(p[col]) - qBlue(q[col])) > 80)
                ++n;
    }
    return n;
}

} // namespace

class TestUsbExport : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Application::prepareApplication(); }
    void init();
    void cleanup();
    void exportsEveryEntry();
    void progressSteps_data();
    void progressSteps();
    void sameIdAndZeroAndOtherFiles();
    void emptyList();
    void folderCannotBeCreated();
    void saveFailuresAreCounted();
    void noDriveChosen();
    void picturesAsOneThreadMakesThem();
    void windowGoesOnDuringExport();

private:
    QString pictures(const QString &file = {}) const {
        return m_dir->file(QStringLiteral("会议 U盘/PICTURE/") + file);
    }
    // Presses U盘更新 and waits until the button is enabled again: the export runs on worker
    // threads while the window goes on.
    void press() {
        m_dlg->face().usbUpdate->click();
        QTRY_VERIFY_WITH_TIMEOUT(m_dlg->face().usbUpdate->isEnabled(), 30000);
    }

    std::unique_ptr<TempWorkDir> m_dir;
    std::unique_ptr<FakeDrives> m_drives;
    std::unique_ptr<ScriptedPrompt> m_prompt;
    std::unique_ptr<MainWindow> m_dlg;
};

void TestUsbExport::init() {
    m_dir = std::make_unique<TempWorkDir>();
    m_dir->useFixedAddress();
    m_dir->installResource(QStringLiteral("red.jpg"));
    m_dir->installResource(QStringLiteral("fontSetting.dat"));
    // The stick's mount point has a blank and Chinese in its name.
    QDir(m_dir->path()).mkpath(QStringLiteral("会议 U盘"));
    m_drives = std::make_unique<FakeDrives>(
        QList<DriveInfo>{FakeDrives::volume(m_dir->path(), qint64(1) << 30),
                         FakeDrives::stick(m_dir->file(QStringLiteral("会议 U盘")))});
    m_prompt = std::make_unique<ScriptedPrompt>();
    m_dlg = std::make_unique<MainWindow>();
}

void TestUsbExport::cleanup() {
    m_dlg.reset();
    m_prompt.reset();
    m_drives.reset();
    m_dir.reset();
}

void TestUsbExport::exportsEveryEntry() {
    // The stick is chosen by its name; the system's disk follows it.
    QCOMPARE(m_dlg->face().driveCombo->currentText(), QStringLiteral("会议 U盘 (1.0 G)"));
    QCOMPARE(m_dlg->face().driveCombo->currentIndex(), 0);
    m_dlg->names().append(entries(3));
    // A selection does not limit the export.
    m_dlg->face().nameList->setCurrentIndex(m_dlg->names().index(1, 0));
    press();
    QCOMPARE(m_prompt->texts(), QStringList{QStringLiteral("生成U盘文件成功")});
    QVERIFY(m_dlg->face().usbUpdate->isEnabled());
    QCOMPARE(m_dlg->face().progress->value(), 100);
    for (int i = 1; i <= 3; ++i) {
        const QImage got = decodeJpeg(pictures(QStringLiteral("%1.jpg").arg(i)));
        QCOMPARE(got.size(), QSize(1024, 600));
        // Each file shows its own entry: it matches a rendering of that entry much better than
        // one of another entry.
        const NameRecord e = m_dlg->names().at(i - 1);
        const PlateLayout &layout = m_dlg->design().layout();
        const QImage &background = m_dlg->design().canvas().m_background;
        const int own = differingPixels(got, renderPlate(layout, background, e.texts()));
        const NameRecord other = m_dlg->names().at(i % 3);
        const int foreign = differingPixels(got, renderPlate(layout, background, other.texts()));
        QVERIFY2(own < 40 && foreign > 150,
                 qPrintable(QStringLiteral("%1 %2").arg(own).arg(foreign)));
    }
    // Afterwards the preview shows the operator's current entry again.
    QCOMPARE(m_dlg->preview().texts().name, m_dlg->names().at(1).name);
}

void TestUsbExport::progressSteps_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("3 entries") << 3
                               << QStringList{QStringLiteral(" 33 %"), QStringLiteral(" 66 %"),
                                              QStringLiteral("100 %")};
    QTest::newRow("7 entries") << 7 << QStringList{QStringLiteral(" 14 %"), QStringLiteral(" 28 %"),
                                                   QStringLiteral(" 42 %"), QStringLiteral(" 57 %"),
                                                   QStringLiteral(" 71 %"), QStringLiteral(" 85 %"),
                                                   QStringLiteral("100 %")};
}

void TestUsbExport::progressSteps() {
    QFETCH(int, count);
    QFETCH(QStringList, steps);
    m_dlg->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dlg.get()));
    m_dlg->names().append(entries(count));
    PaintedTexts painted(m_dlg->face().progressText);
    press();
    painted.texts.removeAll(QString());
    QCOMPARE(painted.texts, steps);
}

void TestUsbExport::sameIdAndZeroAndOtherFiles() {
    QDir(m_dir->path()).mkpath(QStringLiteral("会议 U盘/PICTURE"));
    m_dir->write(QStringLiteral("会议 U盘/PICTURE/55.jpg"), "an earlier export");
    m_dlg->names().append({entry(1, QStringLiteral("4"), QStringLiteral("先")),
                           entry(2, QStringLiteral("0"), QStringLiteral("零")),
                           entry(3, QStringLiteral("4"), QStringLiteral("后"))});
    press();
    QCOMPARE(
        QDir(pictures()).entryList(QDir::Files),
        QStringList({QStringLiteral("0.jpg"), QStringLiteral("4.jpg"), QStringLiteral("55.jpg")}));
    QCOMPARE(m_dir->read(QStringLiteral("会议 U盘/PICTURE/55.jpg")),
             QByteArray("an earlier export"));
    // 4.jpg holds the later entry.
    const NameRecord later = m_dlg->names().at(2);
    QVERIFY(differingPixels(decodeJpeg(pictures(QStringLiteral("4.jpg"))),
                            renderPlate(m_dlg->design().layout(),
                                        m_dlg->design().canvas().m_background, later.texts())) <
            50);
}

void TestUsbExport::emptyList() {
    press();
    QCOMPARE(m_prompt->texts(), QStringList{QStringLiteral("没有可显示的文字！")});
    QVERIFY(m_dlg->face().usbUpdate->isEnabled());
    QVERIFY(!QFileInfo::exists(pictures()));
}

void TestUsbExport::folderCannotBeCreated() {
    m_dir->write(QStringLiteral("会议 U盘/PICTURE"), "a file where the folder should be");
    m_dlg->names().append(entries(2));
    press();
    QCOMPARE(m_prompt->texts(), QStringList{QStringLiteral("创建文件夹失败！")});
    QVERIFY(m_dlg->face().usbUpdate->isEnabled());
}

void TestUsbExport::saveFailuresAreCounted() {
    // Folders in the place of two pictures: those saves fail, the others are written.
    QDir(m_dir->path()).mkpath(QStringLiteral("会议 U盘/PICTURE/2.jpg"));
    QDir(m_dir->path()).mkpath(QStringLiteral("会议 U盘/PICTURE/4.jpg"));
    m_dlg->names().append(entries(5));
    press();
    QCOMPARE(m_prompt->texts(), QStringList{QStringLiteral("有2张图片保存失败！")});
    QCOMPARE(m_prompt->shown.first().icon, Prompt::Icon::Warning);
    for (int id : {1, 3, 5})
        QCOMPARE(decodeJpeg(pictures(QStringLiteral("%1.jpg").arg(id))).size(), QSize(1024, 600));
}

void TestUsbExport::noDriveChosen() {
    m_dlg->names().append(entries(1));
    m_dlg->face().driveCombo->setEditText(m_dir->file(QStringLiteral("no such folder")));
    press();
    QCOMPARE(m_prompt->texts(), QStringList{QStringLiteral("请选择U盘！")});
    QVERIFY(m_dlg->face().usbUpdate->isEnabled());
}

void TestUsbExport::picturesAsOneThreadMakesThem() {
    // Two exports in a row, the second one right after the first has ended: each file holds
    // exactly the bytes one thread makes of its entry, and the window's thread too, after the
    // window has shown the list and checked its texts on the pool (what a thread drew or
    // measured before must not move a glyph edge).
    m_dlg->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dlg.get()));
    const QList<NameRecord> list = entries(9);
    QSignalSpy checked(&m_dlg->overflowMarks(), &OverflowMarks::updated);
    m_dlg->names().append(list);
    QVERIFY(checked.wait(10000));
    m_dlg->face().nameList->viewport()->repaint();
    press();
    QSignalSpy finished(m_dlg->findChild<PictureExport *>(), &PictureExport::finished);
    m_dlg->face().usbUpdate->click();
    QVERIFY(!m_dlg->face().usbUpdate->isEnabled());
    QVERIFY(finished.wait(30000));
    QVERIFY(m_dlg->face().usbUpdate->isEnabled());
    QCOMPARE(m_prompt->texts(), QStringList(2, QStringLiteral("生成U盘文件成功")));
    for (const NameRecord &e : list) {
        const PlateLayout &layout = m_dlg->design().layout();
        // Made on one thread of its own, as the workers make them.
        QByteArray alone;
        std::unique_ptr<QThread> thread(QThread::create([&] {
            alone = encodePlateJpeg(
                renderPlate(layout, m_dlg->design().canvas().m_background, e.texts()), 97);
        }));
        thread->start();
        thread->wait();
        const QByteArray file = m_dir->read(QStringLiteral("会议 U盘/PICTURE/%1.jpg").arg(e.id));
        QVERIFY2(file == alone, qPrintable(e.id));
        // The window's own thread draws it the same.
        QVERIFY2(file ==
                     encodePlateJpeg(
                         renderPlate(layout, m_dlg->design().canvas().m_background, e.texts()), 97),
                 qPrintable(e.id));
    }
}

void TestUsbExport::windowGoesOnDuringExport() {
    // The export does not hold the window: its events go on, the button stays disabled until
    // the message, and a list changed meanwhile does not change the export.
    m_dlg->names().append(entries(60));
    QSignalSpy finished(m_dlg->findChild<PictureExport *>(), &PictureExport::finished);
    m_dlg->face().usbUpdate->click();
    QVERIFY(!m_dlg->face().usbUpdate->isEnabled());
    QVERIFY(m_prompt->texts().isEmpty());
    bool ranDuringExport = false;
    QTimer::singleShot(0, this, [&] {
        // The network update waits too: both show their progress on the one bar.
        ranDuringExport =
            !m_dlg->face().usbUpdate->isEnabled() && !m_dlg->face().networkUpdate->isEnabled();
        m_dlg->names().clear();
    });
    QVERIFY(finished.wait(30000));
    QVERIFY(ranDuringExport);
    QVERIFY(m_dlg->face().networkUpdate->isEnabled());
    QCOMPARE(m_prompt->texts(), QStringList{QStringLiteral("生成U盘文件成功")});
    QCOMPARE(QDir(pictures()).entryList(QDir::Files).size(), 60);
}

QTEST_MAIN(TestUsbExport)
#include "test_usbexport.moc"
