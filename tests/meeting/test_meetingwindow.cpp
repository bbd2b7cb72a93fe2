#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

#include "gui/application.h"
#include "gui/mainwindow.h"
#include "gui/meetingfile.h"
#include "layout/jpegencoder.h"
#include "layout/layoutfiles.h"
#include "layout/logfont.h"
#include "layout/profile.h"
#include "meeting/meetingjson.h"
#include "meeting/meetingreader.h"
#include "meeting/meetingtexts.h"
#include "meeting/meetingwriter.h"
#include "meeting/recentmeetings.h"
#include "meetingzip.h"
#include "namelist/namelist.h"
#include "namelist/namelisttexts.h"
#include "support/scriptedprompt.h"
#include "support/tempworkdir.h"

using namespace delvora;
using namespace delvora::test;
using namespace Qt::StringLiterals;

namespace {

using Answer = Prompt::Answer;

QString fixture(const QString &name) {
    return QStringLiteral(DELVORA_MEETING_FIXTURES "/") + name;
}

// A working folder as the program is installed into, without the missing-settings warning.
std::unique_ptr<TempWorkDir> workFolder() {
    auto dir = std::make_unique<TempWorkDir>();
    dir->installResource(u"red.jpg"_s);
    dir->installResource(u"fontSetting.dat"_s);
    dir->useFixedAddress();
    return dir;
}

void writeList(const TempWorkDir &dir, const QString &name) {
    dir.write(
        name,
        u"ID,单位名称,名字,职位\r\n1,国家发展和改革委员会,张伟,副主任\r\n2,教育部,李娜,司长\r\n"
        u"7,科学技术部,王芳,处长\r\n12,财政部,刘洋,秘书长\r\n"_s.toUtf8());
}

// A photo-like background larger than the plate, so that scaling matters.
QString writePhoto(const TempWorkDir &dir) {
    QImage image(1100, 650, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb((x / 3 + y) % 256, (x * y) % 200, (2 * y) % 256));
    dir.write(u"背景.jpg"_s, encodePlateJpeg(image, 88));
    return dir.file(u"背景.jpg"_s);
}

// Every file of the USB export, by name.
QMap<QString, QByteArray> usbExport(MainWindow &dlg, const TempWorkDir &dir) {
    QDir(dir.path()).mkpath(u"drive"_s);
    dlg.face().driveCombo->setEditText(dir.file(u"drive"_s));
    dlg.face().usbUpdate->click();
    [&] { QTRY_VERIFY_WITH_TIMEOUT(dlg.face().usbUpdate->isEnabled(), 30000); }();
    QMap<QString, QByteArray> files;
    const QDir pictures(dir.file(u"drive/PICTURE"_s));
    for (const QString &name : pictures.entryList(QDir::Files)) {
        QFile f(pictures.filePath(name));
        if (f.open(QIODevice::ReadOnly))
            files.insert(name, f.readAll());
    }
    return files;
}

QAction *recentAction(MainWindow &dlg, int index) {
    QMenu *menu = dlg.face().menuRecentMeetings;
    emit menu->aboutToShow();
    const QList<QAction *> actions = menu->actions();
    return index < actions.size() ? actions[index] : nullptr;
}

} // namespace

// Meetings in the real main window: the 文件 menu, the title, the questions, recent meetings,
// dropped files and the command line.
class TestMeetingWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Application::prepareApplication(); }
    void roundTripInTheWindow();
    void titleMarksUnsavedChanges();
    void questions_data();
    void questions();
    void listQuestionWithoutMeeting_data();
    void listQuestionWithoutMeeting();
    void badMeetingChangesNothing();
    void recentMeetings();
    void droppedFiles();
    void commandLine_data();
    void commandLine();
    void commandLineProgram();

private:
    // A window in its own working folder with the meeting `name` copied there from a fixture.
    void start(const QString &fixtureName = u"smallest.delvora"_s);
    QString copyFixture(const QString &fixtureName, const QString &name);
    void openMeeting(const QString &path);
    void editName(int row, const QString &name) {
        QVERIFY(m_dlg->names().editCell(row, NameList::ColName, name));
    }

    std::unique_ptr<TempWorkDir> m_dir;
    std::unique_ptr<ScriptedPrompt> m_prompt;
    std::unique_ptr<MainWindow> m_dlg;
    QString m_meeting;
};

void TestMeetingWindow::start(const QString &fixtureName) {
    m_dlg.reset();
    m_prompt.reset();
    // The old folder goes first: it returns to the folder it was made in.
    m_dir.reset();
    m_dir = workFolder();
    m_prompt = std::make_unique<ScriptedPrompt>();
    m_dlg = std::make_unique<MainWindow>();
    m_meeting = copyFixture(fixtureName, u"会议.delvora"_s);
}

QString TestMeetingWindow::copyFixture(const QString &fixtureName, const QString &name) {
    const QString path = m_dir->file(name);
    QFile::remove(path);
    QFile::copy(fixture(fixtureName), path);
    QFile(path).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return path;
}

void TestMeetingWindow::openMeeting(const QString &path) {
    m_prompt->fileNames.enqueue(path);
    m_dlg->face().actionOpenMeeting->trigger();
    QVERIFY(m_prompt->fileNames.isEmpty());
}

void TestMeetingWindow::roundTripInTheWindow() {
    auto first = workFolder();
    const QString list = first->file(u"名单.csv"_s);
    writeList(*first, u"名单.csv"_s);
    const QString photo = writePhoto(*first);
    const QString meetingPath = first->file(u"上午全体会议.delvora"_s);
    QList<NameRecord> entries;
    PlateLayout layout;
    QImage background;
    QMap<QString, QByteArray> pictures;
    {
        ScriptedPrompt prompt;
        MainWindow dlg;
        auto &f = dlg.face();
        // The design: the small plate, a picture background, a row's font and colour, its
        // alignment and an indent, and 自动缩小.
        f.actionRes800->trigger();
        prompt.fileNames.enqueue(photo);
        f.pictureBackground->click();
        QVERIFY(dlg.design().hasPicture());
        f.rowCombo->setCurrentIndex(1);
        QFont chosen(u"Noto Sans CJK SC"_s);
        chosen.setPixelSize(70);
        chosen.setBold(true);
        prompt.fonts.enqueue(FontPick{chosen, QColor(20, 220, 40)});
        f.fontButton->click();
        f.rowCombo->setCurrentIndex(0);
        f.alignH->setCurrentIndex(0);
        f.indentLeft->setText(u"25"_s);
        f.autoFit->setChecked(true);
        // The list: imported, then edited.
        prompt.fileNames.enqueue(list);
        f.openTable->click();
        QCOMPARE(dlg.names().count(), 4);
        QVERIFY(dlg.names().editCell(1, NameList::ColName, u"李娜娜"_s));
        QVERIFY(dlg.names().editCell(3, NameList::ColId, u"13"_s));

        prompt.saveNames.enqueue({meetingPath, 0});
        f.actionSaveMeeting->trigger();
        QCOMPARE(prompt.texts(), QStringList());
        QCOMPARE(dlg.windowTitle(), u"上午全体会议 - Delvora"_s);
        entries = dlg.names().entries();
        layout = dlg.design().layout();
        QVERIFY(layout.rows[0].autoFit);
        QCOMPARE(layout.rows[0].indentLeft, 25);
        QCOMPARE(layout.rows[1].color, QColor(20, 220, 40));
        background = dlg.design().canvas().m_background;
        prompt.answers.enqueue(true); // should any text not fit, the export goes on
        pictures = usbExport(dlg, *first);
        QCOMPARE(pictures.size(), 4);
    }

    // Another folder, another window: the layout files there say something else.
    auto second = workFolder();
    second->write(u"Settings.ini"_s, "[Row1]\r\ncolor_r=9\r\n[BackColor]\r\nbackColor_g=99\r\n");
    writeList(*second, u"other.csv"_s);
    ScriptedPrompt prompt;
    MainWindow dlg;
    prompt.fileNames.enqueue(second->file(u"other.csv"_s));
    dlg.face().openTable->click();
    QVERIFY(dlg.names().undoStack()->canUndo());
    prompt.fileNames.enqueue(meetingPath);
    dlg.face().actionOpenMeeting->trigger();
    QCOMPARE(prompt.texts(), QStringList());
    QCOMPARE(dlg.windowTitle(), u"上午全体会议 - Delvora"_s);
    QCOMPARE(dlg.names().entries(), entries);
    QCOMPARE(dlg.names().filePath(), list);
    QVERIFY(!dlg.names().undoStack()->canUndo()); // opening is not an edit
    QVERIFY(dlg.design().layout() == layout);
    QCOMPARE(dlg.design().plateSize(), QSize(800, 480));
    QVERIFY(dlg.design().hasPicture());
    QCOMPARE(dlg.design().canvas().m_background, background);
    QVERIFY(dlg.face().actionRes800->isChecked());
    QVERIFY(dlg.face().autoFit->isChecked()); // row 0's style shows
    prompt.answers.enqueue(true);
    QCOMPARE(usbExport(dlg, *second), pictures);

    // The layout files hold the meeting's layout, as an older installation reads them.
    QSize size;
    const PlateLayout files = readLayout(size);
    QCOMPARE(size, QSize(800, 480));
    QVERIFY(files == layout);
}

void TestMeetingWindow::titleMarksUnsavedChanges() {
    start();
    // Keys reach the window's shortcuts only while it is the active window.
    m_dlg->show();
    QVERIFY(QTest::qWaitForWindowActive(m_dlg.get()));
    QCOMPARE(m_dlg->windowTitle(), u"Delvora"_s);
    openMeeting(m_meeting);
    QCOMPARE(m_dlg->windowTitle(), u"会议 - Delvora"_s);
    // Ctrl+S now saves the meeting, no longer the list.
    QCOMPARE(m_dlg->face().actionSaveMeeting->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    QVERIFY(m_dlg->findChild<QAction *>(u"actionSaveList"_s)->shortcut().isEmpty());

    // The list: an edit, its undo and redo.
    m_dlg->names().addEntry(-1);
    QCOMPARE(m_dlg->windowTitle(), u"会议* - Delvora"_s);
    m_dlg->names().undoStack()->undo();
    QCOMPARE(m_dlg->windowTitle(), u"会议 - Delvora"_s);
    m_dlg->names().undoStack()->redo();
    QCOMPARE(m_dlg->windowTitle(), u"会议* - Delvora"_s);

    // Ctrl+S saves the meeting where it is, without a dialog.
    QTest::keyClick(m_dlg.get(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(m_dlg->windowTitle(), u"会议 - Delvora"_s);
    QVERIFY(m_prompt->saveNames.isEmpty() && m_prompt->shown.isEmpty());
    QCOMPARE(readMeeting(m_meeting).document->entries.size(), 1);

    // Undone past the save and edited anew: the saved state cannot come back by undoing.
    m_dlg->names().undoStack()->undo();
    QCOMPARE(m_dlg->windowTitle(), u"会议* - Delvora"_s);
    m_dlg->names().addEntry(-1);
    m_dlg->names().undoStack()->undo();
    m_dlg->names().addEntry(-1);
    QCOMPARE(m_dlg->windowTitle(), u"会议* - Delvora"_s);
    m_dlg->face().actionSaveMeeting->trigger();
    QCOMPARE(m_dlg->windowTitle(), u"会议 - Delvora"_s);

    // The layout and the background count as changes; changed back, they do not.
    m_dlg->face().alignV->setCurrentIndex(0);
    QCOMPARE(m_dlg->windowTitle(), u"会议* - Delvora"_s);
    m_dlg->face().alignV->setCurrentIndex(1);
    QCOMPARE(m_dlg->windowTitle(), u"会议 - Delvora"_s);
    m_prompt->colors.enqueue(QColor(1, 2, 3));
    m_dlg->face().solidBackground->click();
    QCOMPARE(m_dlg->windowTitle(), u"会议* - Delvora"_s);
    m_prompt->colors.enqueue(QColor(255, 0, 0));
    m_dlg->face().solidBackground->click();
    QCOMPARE(m_dlg->windowTitle(), u"会议 - Delvora"_s);
    m_prompt->fileNames.enqueue(writePhoto(*m_dir));
    m_dlg->face().pictureBackground->click();
    QCOMPARE(m_dlg->windowTitle(), u"会议* - Delvora"_s);

    // 会议另存为 names the new file.
    m_prompt->saveNames.enqueue({m_dir->file(u"下午"_s), 0});
    m_dlg->face().actionSaveMeetingAs->trigger();
    QCOMPARE(m_dlg->windowTitle(), u"下午 - Delvora"_s);
    QVERIFY(readMeeting(m_dir->file(u"下午.delvora"_s)).document->hasPicture());

    // 新建会议: an empty list, the layout kept, a meeting without a file yet.
    const PlateLayout kept = m_dlg->design().layout();
    m_dlg->face().actionNewMeeting->trigger();
    QCOMPARE(m_dlg->windowTitle(), u"新会议 - Delvora"_s);
    QCOMPARE(m_dlg->names().count(), 0);
    QVERIFY(m_dlg->design().layout() == kept);
    QVERIFY(m_dlg->design().hasPicture());
    m_dlg->names().addEntry(-1);
    QCOMPARE(m_dlg->windowTitle(), u"新会议* - Delvora"_s);
    m_prompt->saveNames.enqueue({m_dir->file(u"晚宴.delvora"_s), 0});
    QTest::keyClick(m_dlg.get(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(m_prompt->lastSuggested, QDir::current().filePath(u"新会议.delvora"_s));
    QCOMPARE(m_dlg->windowTitle(), u"晚宴 - Delvora"_s);
}

void TestMeetingWindow::questions_data() {
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<Answer>("answer");
    for (const char *trigger : {"close", "escape", "open", "new"}) {
        QTest::addRow("%s, yes", trigger) << QString::fromLatin1(trigger) << Answer::Yes;
        QTest::addRow("%s, no", trigger) << QString::fromLatin1(trigger) << Answer::No;
        QTest::addRow("%s, cancel", trigger) << QString::fromLatin1(trigger) << Answer::Cancel;
    }
}

void TestMeetingWindow::questions() {
    QFETCH(QString, trigger);
    QFETCH(Answer, answer);
    start(u"handwritten.delvora"_s);
    const QString other = copyFixture(u"smallest.delvora"_s, u"其他.delvora"_s);
    m_dlg->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dlg.get()));
    openMeeting(m_meeting);
    const auto act = [&] {
        if (trigger == u"close") {
            m_dlg->close();
        } else if (trigger == u"escape") {
            QTest::keyClick(m_dlg.get(), Qt::Key_Escape);
        } else if (trigger == u"open") {
            m_prompt->fileNames.enqueue(other);
            m_dlg->face().actionOpenMeeting->trigger();
        } else {
            m_dlg->face().actionNewMeeting->trigger();
        }
    };

    // Nothing unsaved, nothing asked.
    if (trigger == u"open" || trigger == u"new") {
        act();
        QCOMPARE(m_prompt->shown.size(), 0);
        openMeeting(m_meeting);
    }
    editName(0, u"赵六"_s);
    m_prompt->threeWay.enqueue(answer);
    act();
    QCOMPARE(m_prompt->texts(), QStringList{u"会议已修改，是否保存？"_s});
    const bool goesOn = answer != Answer::Cancel;
    QCOMPARE(readMeeting(m_meeting).document->entries.at(0).name,
             answer == Answer::Yes ? u"赵六"_s : u"张伟"_s);
    if (trigger == u"open") {
        QCOMPARE(m_prompt->fileNames.isEmpty(), goesOn);
        QCOMPARE(m_dlg->names().count(), goesOn ? 0 : 4);
        QCOMPARE(m_dlg->windowTitle(), goesOn ? u"其他 - Delvora"_s : u"会议* - Delvora"_s);
    } else if (trigger == u"new") {
        QCOMPARE(m_dlg->names().count(), goesOn ? 0 : 4);
        QCOMPARE(m_dlg->windowTitle(), goesOn ? u"新会议 - Delvora"_s : u"会议* - Delvora"_s);
    } else {
        QCOMPARE(m_dlg->isVisible(), !goesOn);
        QCOMPARE(m_dlg->names().at(0).name, u"赵六"_s);
    }
}

void TestMeetingWindow::listQuestionWithoutMeeting_data() {
    QTest::addColumn<QString>("trigger");
    QTest::newRow("open") << u"open"_s;
    QTest::newRow("new") << u"new"_s;
}

void TestMeetingWindow::listQuestionWithoutMeeting() {
    QFETCH(QString, trigger);
    start();
    writeList(*m_dir, u"名单.csv"_s);
    m_prompt->fileNames.enqueue(m_dir->file(u"名单.csv"_s));
    m_dlg->face().openTable->click();
    editName(0, u"赵六"_s);
    m_prompt->threeWay.enqueue(Answer::Cancel);
    if (trigger == u"open") {
        m_prompt->fileNames.enqueue(m_meeting);
        m_dlg->face().actionOpenMeeting->trigger();
    } else {
        m_dlg->face().actionNewMeeting->trigger();
    }
    // Today's question about the list, and 取消 keeps it.
    QCOMPARE(m_prompt->texts(), QStringList{texts::unsavedChanges()});
    QCOMPARE(m_dlg->names().count(), 4);
    QVERIFY(!m_dlg->meeting().isOpen());
    QCOMPARE(m_dlg->windowTitle(), u"名单.csv* - Delvora"_s);
}

void TestMeetingWindow::badMeetingChangesNothing() {
    start(u"handwritten.delvora"_s);
    openMeeting(m_meeting);
    editName(0, u"赵六"_s);
    const QList<NameRecord> entries = m_dlg->names().entries();
    const PlateLayout layout = m_dlg->design().layout();
    const QImage background = m_dlg->design().canvas().m_background;
    const QByteArray ini = m_dir->read(u"Settings.ini"_s);
    const QByteArray fonts = m_dir->read(u"fontSetting.dat"_s);

    QJsonObject newer = meetingToJson(MeetingDocument());
    newer[u"format"_s] = 2;
    m_dir->write(u"新版.delvora"_s, zipOf({{"mimetype", kMeetingMimeType, true},
                                           {"meeting.json", QJsonDocument(newer).toJson()}}));
    const QString path = m_dir->file(u"新版.delvora"_s);
    m_prompt->threeWay.enqueue(Answer::No);
    m_dlg->openFile(path);
    QCOMPARE(m_prompt->texts(),
             (QStringList{u"会议已修改，是否保存？"_s,
                          texts::meetingOpenFailed(path, texts::newerMeetingFormat())}));
    QCOMPARE(m_prompt->shown.last().icon, Prompt::Icon::Warning);
    QCOMPARE(m_dlg->names().entries(), entries);
    QVERIFY(m_dlg->design().layout() == layout);
    QCOMPARE(m_dlg->design().canvas().m_background, background);
    QCOMPARE(m_dlg->windowTitle(), u"会议* - Delvora"_s);
    QCOMPARE(m_dir->read(u"Settings.ini"_s), ini);
    QCOMPARE(m_dir->read(u"fontSetting.dat"_s), fonts);
    QCOMPARE(RecentMeetings::read(u"./Settings.ini"_s), QStringList{m_meeting});
}

void TestMeetingWindow::recentMeetings() {
    start();
    QVERIFY(!m_dlg->face().menuRecentMeetings->menuAction()->isEnabled());
    const QString a = copyFixture(u"smallest.delvora"_s, u"甲.delvora"_s);
    const QString b = copyFixture(u"smallest.delvora"_s, u"乙.delvora"_s);
    const QString c = copyFixture(u"smallest.delvora"_s, u"丙.delvora"_s);
    for (const QString &path : {a, b, c, a})
        openMeeting(path);
    QCOMPARE(RecentMeetings::read(u"./Settings.ini"_s), (QStringList{a, c, b}));
    QVERIFY(m_dlg->face().menuRecentMeetings->menuAction()->isEnabled());

    QFile::remove(b);
    QAction *gone = recentAction(*m_dlg, 2);
    QVERIFY(gone);
    QCOMPARE(gone->text(), u"&3 乙.delvora"_s);
    QVERIFY(!gone->isEnabled());
    QCOMPARE(gone->toolTip(), texts::recentMeetingMissing(b));
    QAction *third = recentAction(*m_dlg, 1);
    QVERIFY(third->isEnabled());
    QCOMPARE(third->toolTip(), QDir::toNativeSeparators(c));
    third->trigger();
    QCOMPARE(m_dlg->windowTitle(), u"丙 - Delvora"_s);
    QTRY_COMPARE(recentAction(*m_dlg, 0)->text(), u"&1 丙.delvora"_s);
}

void TestMeetingWindow::droppedFiles() {
    start(u"handwritten.delvora"_s);
    writeList(*m_dir, u"名单.csv"_s);
    // As a drag does: it enters the window, then drops there.
    const auto drop = [&](const QString &path) {
        const QPoint at(m_dlg->width() / 2, m_dlg->height() / 2);
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        enter.setAccepted(false);
        QApplication::sendEvent(m_dlg.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent event(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_dlg.get(), &event);
    };
    // Decided by the content, not the name.
    const QString renamed = copyFixture(u"handwritten.delvora"_s, u"会议.zip"_s);
    drop(renamed);
    QTRY_COMPARE(m_dlg->windowTitle(), u"会议 - Delvora"_s);
    QCOMPARE(m_dlg->names().count(), 4);
    drop(m_dir->file(u"名单.csv"_s));
    QTRY_COMPARE(m_dlg->names().filePath(), m_dir->file(u"名单.csv"_s));
    QCOMPARE(m_dlg->names().at(3).name, u"刘洋"_s);
    // The import is a change of the open meeting.
    QCOMPARE(m_dlg->windowTitle(), u"会议* - Delvora"_s);
    QCOMPARE(m_prompt->shown.size(), 0);
}

void TestMeetingWindow::commandLine_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("file");
    const QString here = QDir::currentPath();
    QTest::newRow("none") << QStringList{u"delvora"_s} << QString();
    QTest::newRow("absolute") << QStringList{u"delvora"_s, u"/a/会议.delvora"_s}
                              << u"/a/会议.delvora"_s;
    QTest::newRow("relative") << QStringList{u"delvora"_s, u"会议.delvora"_s}
                              << QDir(here).filePath(u"会议.delvora"_s);
    QTest::newRow("after an option")
        << QStringList{u"delvora"_s, u"-x"_s, u"名单.xls"_s} << QDir(here).filePath(u"名单.xls"_s);
}

void TestMeetingWindow::commandLine() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, file);
    QCOMPARE(Application::fileArgument(arguments), file);
}

void TestMeetingWindow::commandLineProgram() {
    // The program itself, started with a meeting and with a list in a folder of its own: it
    // opens the meeting (and keeps it among the recent ones) or imports the list.
    m_dlg.reset();
    m_prompt.reset();
    // The old folder goes first: it returns to the folder it was made in.
    m_dir.reset();
    m_dir = workFolder();
    copyFixture(u"handwritten.delvora"_s, u"会议.delvora"_s);
    writeList(*m_dir, u"名单.csv"_s);
    for (const QString &file : {u"会议.delvora"_s, u"名单.csv"_s}) {
        QProcess program;
        program.setWorkingDirectory(m_dir->path());
        program.setProcessChannelMode(QProcess::ForwardedChannels);
        program.start(QStringLiteral(DELVORA_PROGRAM), {file});
        QVERIFY(program.waitForStarted());
        if (file.endsWith(u".delvora"))
            QTRY_COMPARE_WITH_TIMEOUT(RecentMeetings::read(m_dir->file(u"Settings.ini"_s)),
                                      QStringList{m_dir->file(file)}, 20000);
        else
            QTest::qWait(1500);
        QCOMPARE(program.state(), QProcess::Running);
        program.kill();
        program.waitForFinished();
    }
    // The list goes into the same window the same way: by openFile.
    m_prompt = std::make_unique<ScriptedPrompt>();
    m_dlg = std::make_unique<MainWindow>();
    m_dlg->openFile(m_dir->file(u"名单.csv"_s));
    QCOMPARE(m_dlg->names().count(), 4);
    QVERIFY(!m_dlg->meeting().isOpen());
    m_dlg->openFile(m_dir->file(u"会议.delvora"_s));
    QVERIFY(m_dlg->meeting().isOpen());
}

QTEST_MAIN(TestMeetingWindow)
#include "test_meetingwindow.moc"
