#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTreeView>
#include <QtTest>

#include "gui/aboutdialog.h"
#include "gui/application.h"
#include "gui/mainwindow.h"
#include "gui/platepanel.h"
#include "layout/renderer.h"
#include "net/plateboard.h"
#include "support/designedit.h"
#include "support/listcells.h"
#include "support/scriptedprompt.h"
#include "support/tempworkdir.h"

using namespace delvora;
using namespace delvora::test;

class TestMainWindowFace : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Application::prepareApplication(); }
    void everyControlIsFound_data();
    void everyControlIsFound();
    void labelsAndGroups();
    void panelsDoNotOverlapThePreview();
    void menu();
    void enterOpensTheWorkbookDialog_data();
    void enterOpensTheWorkbookDialog();
    void escapeCloses();
    void aboutBox();
    void paintingDoesNotRender();
    void presenceItemIsKept();
    void windowGrowsWithItsLists();
    void onlineListShowsTheBoard();
};

void TestMainWindowFace::everyControlIsFound_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("accessible");
    const std::pair<const char *, const char16_t *> controls[] = {
        {"openTable", u"打开表格"},
        {"nameList", u"名单"},
        {"networkUpdate", u"网络更新"},
        {"pictureBackground", u"图片背景"},
        {"preview", u"预览"},
        {"detectPlates", u"检测在线桌牌"},
        {"onlineList", u"在线桌牌"},
        {"usbUpdate", u"U盘更新"},
        {"solidBackground", u"单色背景"},
        {"driveCombo", u"U盘"},
        {"fontButton", u"设置"},
        {"alignH", u"水平对齐"},
        {"alignV", u"垂直对齐"},
        {"indentLeft", u"左"},
        {"indentRight", u"右"},
        {"indentTop", u"上"},
        {"indentBottom", u"下"},
        {"rowCombo", u"选择行序"},
        {"progress", u"进度"},
        {"makeIdFile", u"生成ID"},
        {"changeId", u"修改ID"},
        {"newId", u"ID"},
        {"lifterUp", u"上升"},
        {"lifterStop", u"停止"},
        {"lifterDown", u"下降"},
        {"comPort", u"串口"},
        {"changeIp", u"修改IP"},
        {"makeIpFiles", u"生成IP"}};
    for (const auto &[name, accessible] : controls)
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromUtf16(accessible);
}

void TestMainWindowFace::everyControlIsFound() {
    QFETCH(QString, name);
    QFETCH(QString, accessible);
    TempWorkDir dir;
    dir.useFixedAddress();
    ScriptedPrompt prompt;
    MainWindow dlg;
    auto *w = dlg.findChild<QWidget *>(name);
    QVERIFY2(w, qPrintable(name));
    QCOMPARE(w->accessibleName(), accessible);
    if (auto *b = qobject_cast<QPushButton *>(w))
        QCOMPARE(b->text(), accessible);
}

void TestMainWindowFace::onlineListShowsTheBoard() {
    TempWorkDir dir;
    dir.useFixedAddress();
    ScriptedPrompt prompt;
    MainWindow dlg;
    QTreeView *online = dlg.face().onlineList;
    QStringList headings;
    for (int column = 0; column < online->model()->columnCount(); ++column)
        headings << online->model()->headerData(column, Qt::Horizontal).toString();
    QCOMPARE(headings, (QStringList{QStringLiteral("ID"), QStringLiteral("IP"),
                                    QStringLiteral("名字"), QStringLiteral("状态")}));
    // A report: flat rows, selected whole and several at a time, in the order they came.
    QVERIFY(!online->rootIsDecorated());
    QCOMPARE(online->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(online->selectionMode(), QAbstractItemView::ExtendedSelection);
    QVERIFY(!online->isSortingEnabled());
    // The header keeps no section below its smallest size.
    const int least = online->header()->minimumSectionSize();
    QCOMPARE(online->header()->sectionSize(1), qMax(95, least));
    QCOMPARE(online->header()->sectionSize(2), qMax(50, least));
    // The ID cell shows its state mark and a four-digit ID whole.
    auto *board = qobject_cast<PlateBoard *>(online->model());
    QVERIFY(board);
    board->answer(QStringLiteral("127.0.0.2"), QStringLiteral("9999"));
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QVERIFY(!listCell(online, 0, 0, Qt::DecorationRole).isNull());
    QVERIFY2(listCellNeeds(online, 0, 0) <= online->header()->sectionSize(0),
             qPrintable(QString::number(listCellNeeds(online, 0, 0))));
}

void TestMainWindowFace::labelsAndGroups() {
    TempWorkDir dir;
    dir.useFixedAddress();
    ScriptedPrompt prompt;
    MainWindow dlg;
    QStringList labels;
    for (auto *l : dlg.findChildren<QLabel *>())
        labels << l->text();
    for (const char16_t *t : {u"U盘:", u"水平对齐：", u"左：", u"右：", u"上：", u"下：",
                              u"垂直对齐：", u"字      体：", u"选择行序：", u"ID"})
        QVERIFY2(labels.contains(QString::fromUtf16(t)), qPrintable(QString::fromUtf16(t)));
    QStringList groups;
    for (auto *g : dlg.findChildren<QGroupBox *>())
        groups << g->title();
    QCOMPARE(groups.size(), 4);
    for (const char16_t *t : {u"设置内容格式", u"选择背景", u"缩进", u"升降器控制"})
        QVERIFY(groups.contains(QString::fromUtf16(t)));
    QCOMPARE(dlg.windowTitle(), QStringLiteral("Delvora"));
    QStringList rows;
    for (int i = 0; i < dlg.face().rowCombo->count(); ++i)
        rows << dlg.face().rowCombo->itemText(i);
    QCOMPARE(rows, QStringList({QStringLiteral("第1行"), QStringLiteral("第2行"),
                                QStringLiteral("第3行")}));
}

void TestMainWindowFace::panelsDoNotOverlapThePreview() {
    TempWorkDir dir;
    dir.useFixedAddress();
    ScriptedPrompt prompt;
    MainWindow dlg;
    const QRect frame = dlg.face().previewFrame->geometry();
    for (QWidget *w : dlg.face().client->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (w == dlg.face().previewFrame || w == dlg.face().preview || !w->isVisibleTo(&dlg))
            continue;
        QVERIFY2(!w->geometry().intersects(frame),
                 qPrintable(w->objectName() + QStringLiteral(" overlaps the preview")));
        QVERIFY2(dlg.face().client->rect().contains(w->geometry()),
                 qPrintable(w->objectName() + QStringLiteral(" is outside the window")));
    }
}

void TestMainWindowFace::menu() {
    TempWorkDir dir;
    dir.useFixedAddress();
    ScriptedPrompt prompt;
    MainWindow dlg;
    QStringList top;
    for (QAction *a : dlg.face().menuBar->actions())
        top << a->text();
    QCOMPARE(top, QStringList({QStringLiteral("文件(&F)"), QStringLiteral("设置(&S)"),
                               QStringLiteral("帮助(&H)")}));
    QStringList meetings;
    for (QAction *a : dlg.face().menuBar->actions().at(0)->menu()->actions())
        meetings << a->text();
    QCOMPARE(
        meetings,
        QStringList({QStringLiteral("新建会议(&N)"), QStringLiteral("打开会议(&O)…"),
                     QStringLiteral("保存会议(&S)"), QStringLiteral("会议另存为(&A)…"), QString(),
                     QStringLiteral("最近的会议(&R)"), QString(), QStringLiteral("打印(&P)")}));
    QMenu *settings = dlg.face().menuBar->findChild<QMenu *>(QStringLiteral("menuSettings"));
    QStringList items;
    for (QAction *a : settings->actions())
        items << a->text();
    QCOMPARE(items,
             QStringList({QStringLiteral("分辨率(&R)"), QStringLiteral("网络(&N)"),
                          QStringLiteral("恢复出厂设置(&D)"), QStringLiteral("自动检测在线状态"),
                          QStringLiteral("语言 / Language")}));
    QStringList resolutions;
    for (QAction *a : settings->actions().at(0)->menu()->actions())
        resolutions << a->text();
    QCOMPARE(resolutions, QStringList({QStringLiteral("800×480"), QStringLiteral("1024×600")}));
    QCOMPARE(dlg.face().actionAbout->text(), QStringLiteral("关于 Delvora(&A)"));
}

void TestMainWindowFace::enterOpensTheWorkbookDialog_data() {
    QTest::addColumn<QString>("focus");
    QTest::newRow("indent edit") << QStringLiteral("indentLeft");
    QTest::newRow("id edit") << QStringLiteral("newId");
    QTest::newRow("name list") << QStringLiteral("nameList");
    QTest::newRow("row combo") << QStringLiteral("rowCombo");
    QTest::newRow("drive combo") << QStringLiteral("driveCombo");
}

void TestMainWindowFace::enterOpensTheWorkbookDialog() {
    QFETCH(QString, focus);
    TempWorkDir dir;
    dir.useFixedAddress();
    ScriptedPrompt prompt;
    MainWindow dlg;
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    QSignalSpy clicked(dlg.face().openTable, &QPushButton::clicked);
    QWidget *w = dlg.findChild<QWidget *>(focus);
    w->setFocus();
    QTRY_VERIFY(w->hasFocus() || w->isAncestorOf(QApplication::focusWidget()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(clicked.count(), 1);
    QVERIFY(dlg.isVisible());
}

void TestMainWindowFace::escapeCloses() {
    TempWorkDir dir;
    dir.useFixedAddress();
    ScriptedPrompt prompt;
    MainWindow dlg;
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    QSignalSpy finished(&dlg, &QDialog::finished);
    QTest::keyClick(&dlg, Qt::Key_Escape);
    QCOMPARE(finished.count(), 1);
    QVERIFY(!dlg.isVisible());
}

void TestMainWindowFace::aboutBox() {
    AboutDialog about;
    QCOMPARE(about.windowTitle(), QStringLiteral("关于 Delvora"));
    QStringList texts;
    for (auto *l : about.findChildren<QLabel *>())
        texts << l->text();
    QVERIFY(texts.contains(QStringLiteral("Delvora V1.3.2")));
    auto *ok = about.findChild<QPushButton *>(QStringLiteral("aboutOk"));
    QVERIFY(ok);
    QCOMPARE(ok->text(), QStringLiteral("确定"));
    about.show();
    QVERIFY(QTest::qWaitForWindowActive(&about));
    QTest::keyClick(&about, Qt::Key_Escape);
    QVERIFY(!about.isVisible());
}

void TestMainWindowFace::paintingDoesNotRender() {
    TempWorkDir dir;
    dir.useFixedAddress();
    ScriptedPrompt prompt;
    MainWindow dlg;
    dlg.showEntry(
        {1, QStringLiteral("1"), QStringLiteral("甲"), QStringLiteral("乙"), QStringLiteral("丙")});
    const QImage shown = dlg.preview().picture();
    const qint64 renders = shown.cacheKey();
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    dlg.showMinimized();
    dlg.showNormal();
    dlg.face().preview->repaint();
    // Painting shows the kept picture; it draws nothing anew.
    QCOMPARE(dlg.preview().picture().cacheKey(), renders);
}

void TestMainWindowFace::presenceItemIsKept() {
    // On by default, and nothing is written until the operator changes it.
    TempWorkDir dir;
    dir.useFixedAddress();
    ScriptedPrompt prompt;
    {
        MainWindow dlg;
        QAction *item = dlg.face().actionPresence;
        QVERIFY(item->isCheckable());
        QVERIFY(item->isChecked());
        QVERIFY(dlg.plates().presence().isEnabled());
        QVERIFY(!dir.read(QStringLiteral("Settings.ini")).contains("presence"));
        item->trigger();
        QVERIFY(!dlg.plates().presence().isEnabled());
        QVERIFY(dir.read(QStringLiteral("Settings.ini")).contains("[Network]"));
        QVERIFY(dir.read(QStringLiteral("Settings.ini")).contains("presence=0"));
    }
    MainWindow again;
    QVERIFY(!again.face().actionPresence->isChecked());
    QVERIFY(!again.plates().presence().isEnabled());
}

void TestMainWindowFace::windowGrowsWithItsLists() {
    TempWorkDir dir;
    dir.useFixedAddress();
    ScriptedPrompt prompt;
    MainWindow dlg;
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QWidget *client = dlg.face().client;
    const QSize smallest = client->size();
    QHash<QWidget *, QRect> before;
    for (QWidget *w : client->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        before.insert(w, w->geometry());
    const QRect online = dlg.face().onlineList->geometry();
    const QRect names = dlg.face().nameList->geometry();

    dlg.resize(dlg.size() + QSize(200, 120));
    QTRY_COMPARE(client->size(), smallest + QSize(200, 120));
    QCOMPARE(dlg.face().onlineList->geometry(), online.adjusted(0, 0, 100, 120));
    QCOMPARE(dlg.face().nameList->geometry(), names.adjusted(100, 0, 200, 120));
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (it.key() != dlg.face().onlineList && it.key() != dlg.face().nameList)
            QCOMPARE(it.key()->geometry(), it.value());
    }
    // Today's size is the smallest.
    dlg.resize(100, 100);
    QTRY_COMPARE(client->size(), smallest);
    QCOMPARE(dlg.face().onlineList->geometry(), online);
}

QTEST_MAIN(TestMainWindowFace)
#include "test_mainwindowface.moc"
