#include <QComboBox>
#include <QDir>
#include <QtTest>

#include "gui/drivebox.h"
#include "support/fakedrives.h"
#include "support/scriptedprompt.h"
#include "support/tempworkdir.h"

using namespace delvora;
using namespace delvora::test;

class TestDriveBox : public QObject {
    Q_OBJECT
private slots:
    void driveRoot();
};

void TestDriveBox::driveRoot() {
    TempWorkDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("a"));
    QDir(dir.path()).mkpath(QStringLiteral("b"));
    FakeDrives drives(
        {{dir.file(QStringLiteral("a")), 1 << 30}, {dir.file(QStringLiteral("b")), 0}});
    ScriptedPrompt prompt;
    QComboBox box;
    box.setEditable(true);
    fillDriveList(&box);
    QCOMPARE(box.count(), 2);
    QCOMPARE(box.currentIndex(), 1); // the last volume
    QCOMPARE(box.itemText(0), dir.file(QStringLiteral("a")) + QStringLiteral("(1.0 G)"));
    QCOMPARE(selectedDriveRoot(&box, nullptr), dir.file(QStringLiteral("b")));
    // A typed existing folder serves as the root; anything else is refused with a warning.
    box.setEditText(dir.file(QStringLiteral("a")));
    QCOMPARE(selectedDriveRoot(&box, nullptr), dir.file(QStringLiteral("a")));
    QVERIFY(prompt.shown.isEmpty());
    box.setEditText(dir.file(QStringLiteral("missing")));
    QCOMPARE(selectedDriveRoot(&box, nullptr), std::nullopt);
    QCOMPARE(prompt.texts(), QStringList{QStringLiteral("请选择U盘！")});
    QCOMPARE(prompt.shown.last().icon, Prompt::Icon::Warning);
}

QTEST_MAIN(TestDriveBox)
#include "test_drivebox.moc"
