#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "gui/application.h"
#include "gui/ipaddressedit.h"
#include "gui/mainwindow.h"
#include "layout/layoutfiles.h"
#include "support/designedit.h"
#include "support/fakeadapters.h"
#include "support/jpegcheck.h"
#include "support/scriptedprompt.h"
#include "support/tempworkdir.h"

using namespace delvora;
using namespace delvora::test;

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Application::prepareApplication(); }
    void firstStartWithoutFiles_data();
    void firstStartWithoutFiles();
    void networkDialogAtFirstStart_data();
    void networkDialogAtFirstStart();
    void smallPlateFromSettings();
    void closingWritesIndents();
};

void TestStartup::firstStartWithoutFiles_data() {
    QTest::addColumn<bool>("withTemplate");
    QTest::newRow("red.jpg present") << true;
    QTest::newRow("red.jpg missing") << false;
}

void TestStartup::firstStartWithoutFiles() {
    QFETCH(bool, withTemplate);
    TempWorkDir dir;
    if (withTemplate)
        dir.installResource(QStringLiteral("red.jpg"));
    ScriptedPrompt prompt;
    MainWindow dlg;
    for (const RowStyle &row : dlg.design().layout().rows) {
        QCOMPARE(row.color, QColor(255, 255, 0));
        QCOMPARE(row.font.family(), QStringLiteral("宋体"));
        QCOMPARE(row.alignH, 1);
        QCOMPARE(row.alignV, 1);
    }
    QCOMPARE(dlg.preview().texts(), PlateTexts());
    QVERIFY(dlg.face().actionRes1024->isChecked());
    QVERIFY(!dlg.face().actionRes800->isChecked());
    QCOMPARE(dlg.face().preview->geometry(), QRect(10, 10, 512, 300));
    QCOMPARE(dlg.face().previewFrame->geometry(), QRect(7, 7, 519, 307));
    // The preview holds the plain red background.
    const QImage &preview = dlg.preview().picture();
    QCOMPARE(preview.size(), QSize(1024, 600));
    QCOMPARE(countNear(preview, preview.rect(), QColor(255, 0, 0), 8), 1024 * 600);
    QCOMPARE(dlg.face().alignH->currentText(), QStringLiteral("居中"));
    QCOMPARE(dlg.face().alignV->currentText(), QStringLiteral("居中"));
    QCOMPARE(dlg.face().indentLeft->text(), QStringLiteral("0"));
    // Only the missing network settings are reported.
    QCOMPARE(prompt.texts(), QStringList{QStringLiteral("找不到配置文件")});
    // The preview widget shows that picture.
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    const QImage grabbed = dlg.face().preview->grab().toImage();
    QVERIFY(near(grabbed.pixelColor(256, 150), QColor(255, 0, 0), 8));
}

void TestStartup::networkDialogAtFirstStart_data() {
    QTest::addColumn<QByteArray>("settings"); // null: no "settings.dat"
    QTest::addColumn<bool>("fixAddress");     // choose a fixed address and press OK
    QTest::addColumn<QStringList>("said");
    QTest::addColumn<QStringList>("dialogs");
    QTest::addColumn<QByteArray>("settingsAfter");
    // An empty adapter MAC text and the fixed address 127.0.0.1.
    QByteArray fixed("\xFF\xFE\xFF\x00\xFF\xFE\xFF\x09", 8);
    for (char c : QByteArray("127.0.0.1"))
        fixed += QByteArray(1, c) + '\0';
    const QStringList missing{QStringLiteral("找不到配置文件")};
    const QStringList network{QStringLiteral("NetworkDialog")};
    QTest::newRow("missing, cancelled")
        << QByteArray() << false << missing << network << QByteArray();
    QTest::newRow("missing, address chosen") << QByteArray() << true << missing << network << fixed;
    QTest::newRow("unreadable") << QByteArray("\xFF", 1) << false
                                << QStringList{QStringLiteral("读取配置失败")} << QStringList()
                                << QByteArray("\xFF", 1);
    QTest::newRow("present") << fixed << false << QStringList() << QStringList() << fixed;
}

void TestStartup::networkDialogAtFirstStart() {
    QFETCH(QByteArray, settings);
    QFETCH(bool, fixAddress);
    QFETCH(QStringList, said);
    QFETCH(QStringList, dialogs);
    QFETCH(QByteArray, settingsAfter);
    TempWorkDir dir;
    if (!settings.isNull())
        dir.write(QStringLiteral("settings.dat"), settings);
    FakeAdapters adapters;
    ScriptedPrompt prompt;
    QStringList saidBeforeDialog;
    prompt.dialogActions.enqueue([&](QDialog *dialog) {
        saidBeforeDialog = prompt.texts();
        if (!fixAddress)
            return;
        dialog->findChild<QCheckBox *>(QStringLiteral("fixedIp"))->click();
        dialog->findChild<IpAddressEdit *>(QStringLiteral("ipAddress"))
            ->setText(QStringLiteral("127.0.0.1"));
        dialog->findChild<QPushButton *>(QStringLiteral("netSetOk"))->click();
    });
    MainWindow dlg;
    QCOMPARE(prompt.texts(), said);
    QCOMPARE(prompt.dialogs, dialogs);
    // The dialog comes after the warning has been closed.
    if (!dialogs.isEmpty())
        QCOMPARE(saidBeforeDialog, said);
    QCOMPARE(QFile::exists(dir.file(QStringLiteral("settings.dat"))), !settingsAfter.isNull());
    if (!settingsAfter.isNull())
        QCOMPARE(dir.read(QStringLiteral("settings.dat")), settingsAfter);
}

void TestStartup::smallPlateFromSettings() {
    TempWorkDir dir;
    dir.useFixedAddress();
    dir.installResource(QStringLiteral("red.jpg"));
    dir.write(QStringLiteral("Settings.ini"),
              "[Resolution]\r\nH=800\r\nV=480\r\n[Row0]\r\nalign_h=0\r\nalign_v=2\r\n"
              "indent_l=15\r\nindent_b=-4\r\n");
    ScriptedPrompt prompt;
    MainWindow dlg;
    QVERIFY(dlg.face().actionRes800->isChecked());
    QVERIFY(!dlg.face().actionRes1024->isChecked());
    QCOMPARE(dlg.face().preview->geometry(), QRect(66, 40, 400, 240));
    QCOMPARE(dlg.preview().picture().size(), QSize(800, 480));
    // Row 0's own alignments and indents are shown, each box independently.
    QCOMPARE(dlg.face().alignH->currentIndex(), 0);
    QCOMPARE(dlg.face().alignV->currentIndex(), 2);
    QCOMPARE(dlg.face().indentLeft->text(), QStringLiteral("15"));
    QCOMPARE(dlg.face().indentBottom->text(), QStringLiteral("-4"));
}

void TestStartup::closingWritesIndents() {
    TempWorkDir dir;
    dir.useFixedAddress();
    ScriptedPrompt prompt;
    {
        MainWindow dlg;
        editRow(dlg.design(), 0, [&](RowStyle &row) { row.indentTop = -30; });
        editRow(dlg.design(), 2, [&](RowStyle &row) { row.indentRight = 12; });
        QVERIFY(!QFile::exists(QStringLiteral("Settings.ini")));
    }
    for (int row = 0; row < 3; ++row) {
        int l, t, r, b;
        readRowIndents(row, l, t, r, b);
        QCOMPARE(QList<int>({l, t, r, b}), row == 0   ? QList<int>({0, -30, 0, 0})
                                           : row == 2 ? QList<int>({0, 0, 12, 0})
                                                      : QList<int>({0, 0, 0, 0}));
    }
    const QByteArray ini = dir.read(QStringLiteral("Settings.ini"));
    for (const char *section : {"[Row0]", "[Row1]", "[Row2]"})
        QVERIFY(ini.contains(section));
}

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
