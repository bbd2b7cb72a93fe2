#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTreeView>
#include <QtTest>

#include "gui/application.h"
#include "gui/mainwindow.h"
#include "gui/platepanel.h"
#include "gui/uilanguage.h"
#include "layout/layoutfiles.h"
#include "net/platereply.h"
#include "support/listcells.h"
#include "support/scriptedprompt.h"
#include "support/tempworkdir.h"
#include "support/whenmodal.h"

using namespace delvora;
using namespace delvora::test;

// 设置 → 语言 / Language: the choice is one key in "Settings.ini", read at the next start.
class TestLanguageChoice : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Application::prepareApplication(); }
    void cleanup() { installLanguage(QStringLiteral("zh")); }
    void readsTheStoredLanguage_data();
    void readsTheStoredLanguage();
    void choosingWritesOnlyTheKey();
    void startsInTheStoredLanguage();
};

void TestLanguageChoice::readsTheStoredLanguage_data() {
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("language");
    QTest::newRow("no file") << QByteArray() << QStringLiteral("zh");
    QTest::newRow("no key") << QByteArray("[Resolution]\r\nH=800\r\n") << QStringLiteral("zh");
    QTest::newRow("en") << QByteArray("[window]\r\nLanguage = EN\r\n") << QStringLiteral("en");
    QTest::newRow("zh") << QByteArray("[Window]\r\nlanguage=zh\r\n") << QStringLiteral("zh");
    QTest::newRow("unknown") << QByteArray("[Window]\r\nlanguage=fr\r\n") << QStringLiteral("zh");
}

void TestLanguageChoice::readsTheStoredLanguage() {
    QFETCH(QByteArray, ini);
    QFETCH(QString, language);
    TempWorkDir dir;
    if (!ini.isNull())
        dir.write(QStringLiteral("Settings.ini"), ini);
    QCOMPARE(readLanguage(), language);
}

void TestLanguageChoice::choosingWritesOnlyTheKey() {
    TempWorkDir dir;
    dir.useFixedAddress();
    dir.installResource(QStringLiteral("red.jpg"));
    dir.installResource(QStringLiteral("fontSetting.dat"));
    const QByteArray ini = "[Resolution]\r\nH=800\r\nV=480\r\n[Row1]\r\nalign_h=2\r\n";
    dir.write(QStringLiteral("Settings.ini"), ini);
    const QByteArray fonts = dir.read(QStringLiteral("fontSetting.dat"));
    ScriptedPrompt prompt;
    {
        MainWindow dlg;
        QVERIFY(dlg.face().actionLanguageZh->isChecked());
        dlg.names().append({NameRecord{1, QStringLiteral("7"), QStringLiteral("外交部"),
                                       QStringLiteral("张三"), QStringLiteral("部长")}});
        PlateReply reply;
        reply.plateId = 7;
        reply.sender = QHostAddress(QStringLiteral("127.0.0.2"));
        dlg.plates().onPlateReply(reply);
        const QImage preview = dlg.preview().picture();

        // Chinese again, as stored: nothing is written.
        dlg.face().actionLanguageZh->trigger();
        QCOMPARE(dir.read(QStringLiteral("Settings.ini")), ini);
        QVERIFY(prompt.shown.isEmpty());

        dlg.face().actionLanguageEn->trigger();
        QCOMPARE(dir.read(QStringLiteral("Settings.ini")), ini + "[Window]\r\nlanguage=en\r\n");
        QVERIFY(dlg.face().actionLanguageEn->isChecked());
        // Said in the running and in the chosen language.
        QCOMPARE(prompt.texts(),
                 QStringList{QStringLiteral("界面语言将在下次启动时切换。\nThe interface "
                                            "language changes at the next start.")});

        // Back to the running language: the key changes, nothing is said.
        dlg.face().actionLanguageZh->trigger();
        QCOMPARE(dir.read(QStringLiteral("Settings.ini")), ini + "[Window]\r\nlanguage=zh\r\n");
        QCOMPARE(prompt.shown.size(), 1);

        // The window keeps its list, its plates and its layout.
        QCOMPARE(dlg.names().count(), 1);
        QCOMPARE(listRows(dlg.face().onlineList), 1);
        QCOMPARE(listText(dlg.face().onlineList, 0, 1), QStringLiteral("127.0.0.2"));
        QCOMPARE(dlg.preview().picture(), preview);
        QCOMPARE(dlg.face().openTable->text(), QStringLiteral("打开表格"));
    }
    QCOMPARE(dir.read(QStringLiteral("fontSetting.dat")), fonts);
}

void TestLanguageChoice::startsInTheStoredLanguage() {
    // The real start-up: the translator is installed before the window is built.
    TempWorkDir dir;
    dir.useFixedAddress();
    dir.installResource(QStringLiteral("red.jpg"));
    dir.write(QStringLiteral("Settings.ini"), "[Window]\r\nlanguage=en\r\n");
    ScriptedPrompt prompt;
    QString title, button;
    bool englishChecked = false;
    whenModal<MainWindow>([&](MainWindow *dlg) {
        button = dlg->face().openTable->text();
        englishChecked = dlg->face().actionLanguageEn->isChecked();
        title = dlg->face().menuBar->findChild<QMenu *>(QStringLiteral("menuSettings"))->title();
        dlg->reject();
    });
    QCOMPARE(Application().run(), 0);
    QCOMPARE(button, QStringLiteral("Open list…"));
    QCOMPARE(title, QStringLiteral("&Settings"));
    QVERIFY(englishChecked);
    QCOMPARE(currentLanguage(), QStringLiteral("en"));
}

QTEST_MAIN(TestLanguageChoice)
#include "test_languagechoice.moc"
