#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QtTest>

#include "gui/drivebox.h"
#include "support/fakedrives.h"
#include "support/scriptedprompt.h"
#include "support/tempworkdir.h"

using namespace delvora;
using namespace delvora::test;

namespace {

// The system's disk, listed after the sticks and never chosen by itself.
DriveInfo systemDisk(const QString &root) {
    return FakeDrives::volume(root, qint64(256) << 30, {}, QStringLiteral("/dev/vda1"));
}

QStringList entryTexts(const QComboBox &box) {
    QStringList out;
    for (int i = 0; i < box.count(); ++i)
        out << box.itemText(i);
    return out;
}

} // namespace

class TestDriveBox : public QObject {
    Q_OBJECT
private slots:
    void driveLetters();
    void typedFolder();
    void followsSticks();
    void followsWhileActive();
    void stickPulledBeforeWriting();
};

void TestDriveBox::driveLetters() {
    // Drive letters keep their list: every drive, the whole entry in the box, the last chosen.
    FakeDrives drives(
        {FakeDrives::volume(QStringLiteral("C:\\"), qint64(1) << 30, QStringLiteral("系统")),
         FakeDrives::volume(QStringLiteral("E:\\"), 0, {}, {}, true)},
        DriveRules::Letters);
    ScriptedPrompt prompt;
    QComboBox box;
    box.setEditable(true);
    fillDriveList(&box);
    QCOMPARE(entryTexts(box),
             (QStringList{QStringLiteral("C:\\(1.0 G)"), QStringLiteral("E:\\(0.0 G)")}));
    QCOMPARE(box.currentIndex(), 1);
    QCOMPARE(box.toolTip(), QStringLiteral("E:\\(0.0 G)"));
    QCOMPARE(box.accessibleDescription(), QStringLiteral("E:\\(0.0 G)"));
}

void TestDriveBox::typedFolder() {
    TempWorkDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("a"));
    FakeDrives drives({systemDisk(dir.file(QStringLiteral("a")))});
    ScriptedPrompt prompt;
    QComboBox box;
    box.setEditable(true);
    fillDriveList(&box);
    // No stick: nothing chosen, and the commands ask for one.
    QCOMPARE(box.count(), 1);
    QCOMPARE(box.currentIndex(), -1);
    QCOMPARE(selectedDriveRoot(&box, nullptr), std::nullopt);
    QCOMPARE(prompt.texts(), QStringList{QStringLiteral("请选择U盘！")});
    QCOMPARE(prompt.shown.last().icon, Prompt::Icon::Warning);
    // A typed existing folder serves as the root; anything else is refused again.
    box.setEditText(dir.file(QStringLiteral("a")));
    QCOMPARE(selectedDriveRoot(&box, nullptr), dir.file(QStringLiteral("a")));
    QCOMPARE(box.toolTip(), dir.file(QStringLiteral("a")));
    box.setEditText(dir.file(QStringLiteral("missing")));
    QCOMPARE(selectedDriveRoot(&box, nullptr), std::nullopt);
    QCOMPARE(prompt.texts().size(), 2);
}

void TestDriveBox::followsSticks() {
    const DriveInfo disk = systemDisk(QStringLiteral("/"));
    const DriveInfo a = FakeDrives::stick(QStringLiteral("/media/op/A"));
    const DriveInfo b = FakeDrives::stick(QStringLiteral("/media/op/B"));
    const DriveInfo c = FakeDrives::stick(QStringLiteral("/media/op/C"));
    FakeDrives drives({disk});
    QComboBox box;
    box.setEditable(true);
    fillDriveList(&box);
    QCOMPARE(box.currentText(), QString());

    // Plugged with nothing chosen: the stick becomes the choice.
    drives.setDrives({disk, a});
    refreshDriveList(&box);
    QCOMPARE(entryTexts(box),
             (QStringList{QStringLiteral("A (1.0 G)"), QStringLiteral("/ (256.0 G)")}));
    QCOMPARE(box.currentText(), QStringLiteral("A (1.0 G)"));
    QCOMPARE(box.toolTip(), QStringLiteral("/media/op/A"));
    // The closed box, narrower than the entry, shows its start: the name.
    QCOMPARE(box.lineEdit()->cursorPosition(), 0);

    // The operator's choice stays while another stick comes and goes.
    box.setCurrentIndex(1);
    drives.setDrives({disk, a, b});
    refreshDriveList(&box);
    QCOMPARE(box.count(), 3);
    QCOMPARE(box.currentText(), QStringLiteral("/ (256.0 G)"));
    box.setCurrentIndex(0);
    drives.setDrives({disk, b, a}); // A mounted again after B: it moves, and stays chosen
    refreshDriveList(&box);
    QCOMPARE(box.currentIndex(), 1);
    QCOMPARE(box.currentText(), QStringLiteral("A (1.0 G)"));

    // The chosen stick pulled: nothing is chosen, not even the other stick.
    drives.setDrives({disk, b});
    refreshDriveList(&box);
    QCOMPARE(box.currentIndex(), -1);
    QCOMPARE(box.currentText(), QString());
    QCOMPARE(box.toolTip(), QString());

    // A typed folder is a choice too: a stick plugged meanwhile does not replace it.
    box.setEditText(QStringLiteral("/srv/桌牌 图片"));
    drives.setDrives({disk, b, c});
    refreshDriveList(&box);
    QCOMPARE(box.count(), 3);
    QCOMPARE(box.currentText(), QStringLiteral("/srv/桌牌 图片"));
}

void TestDriveBox::followsWhileActive() {
    FakeDrives drives({systemDisk(QStringLiteral("/"))});
    QWidget window;
    auto *box = new QComboBox(&window);
    box->setEditable(true);
    fillDriveList(box);
    followDrives(box, 20);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    drives.setDrives({systemDisk(QStringLiteral("/")),
                      FakeDrives::stick(QStringLiteral("/media/op/会议 资料"), 8053063680)});
    QTRY_COMPARE(box->currentText(), QStringLiteral("会议 资料 (7.5 G)"));
}

void TestDriveBox::stickPulledBeforeWriting() {
    // The stick is pulled after the box was last refreshed; its mount point stays behind as a
    // folder. Nothing is written there.
    TempWorkDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("stick"));
    FakeDrives drives(
        {systemDisk(dir.path()), FakeDrives::stick(dir.file(QStringLiteral("stick")))});
    ScriptedPrompt prompt;
    QComboBox box;
    box.setEditable(true);
    fillDriveList(&box);
    QCOMPARE(selectedDriveRoot(&box, nullptr), dir.file(QStringLiteral("stick")));
    drives.setDrives({systemDisk(dir.path())});
    QCOMPARE(selectedDriveRoot(&box, nullptr), std::nullopt);
    QCOMPARE(prompt.texts(), QStringList{QStringLiteral("创建文件夹失败！")});
}

QTEST_MAIN(TestDriveBox)
#include "test_drivebox.moc"
