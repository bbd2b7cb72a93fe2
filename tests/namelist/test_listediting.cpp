#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QtTest>

#include "fixtures.h"
#include "gui/mainwindow.h"
#include "layout/logfont.h"
#include "layout/renderer.h"
#include "listlines.h"
#include "support/scriptedprompt.h"
#include "support/tempworkdir.h"

using namespace delvora;
using namespace delvora::test;
using namespace Qt::StringLiterals;

namespace {

using Answer = Prompt::Answer;

// Typed text, Chinese too (QTest::keyClicks takes Latin-1 only).
void typeText(QWidget *widget, const QString &text) {
    for (QChar c : text) {
        QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(c), {});
        QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(c), {});
    }
}

const QStringList kImported{u"1|5|甲单位|甲|一"_s, u"2|5|乙单位|乙|二"_s, u"3|6|丙单位|丙|三"_s};

} // namespace

// Editing the name list in the real main window, driven by keyboard and mouse.
class TestListEditing : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutes(); }
    void init();
    void cleanup();

    void editEachColumnAndUndo();
    void addRemoveSwapMoveAndUndo();
    void contextMenuNamesTheShortcuts();
    void previewShowsTheCurrentEntry();
    void warningMarksFollowEdits();
    void saveNamesTheFileInTheTitle();
    void failedSaveReportsAndStaysUnsaved();
    void savedFileImportsToTheSameList_data();
    void savedFileImportsToTheSameList();
    void unsavedChangesQuestion_data();
    void unsavedChangesQuestion();

private:
    void importFile(const QString &path);
    QPoint cell(int row, int column) const;
    void click(int row, int column, Qt::KeyboardModifiers modifiers = {});
    // Types into the open cell editor and commits it with Enter.
    void typeIntoEditor(const QString &text);
    void key(int key, Qt::KeyboardModifiers modifiers = {});
    bool previewShows(int row);

    std::unique_ptr<TempWorkDir> m_dir;
    std::unique_ptr<ScriptedPrompt> m_prompt;
    std::unique_ptr<MainWindow> m_dlg;
    QTreeView *m_view = nullptr;
    QString m_book;
};

void TestListEditing::init() {
    m_dir = std::make_unique<TempWorkDir>();
    m_dir->installResource(u"red.jpg"_s);
    m_dir->installResource(u"fontSetting.dat"_s);
    m_dir->useFixedAddress();
    m_prompt = std::make_unique<ScriptedPrompt>();
    m_dlg = std::make_unique<MainWindow>();
    m_view = m_dlg->face().nameList;
    m_dlg->show();
    QVERIFY(QTest::qWaitForWindowActive(m_dlg.get()));
    // A copy beside which saving is allowed.
    m_book = m_dir->file(u"duplicates.xls"_s);
    QVERIFY(QFile::copy(fixture(u"duplicates.xls"_s), m_book));
    importFile(m_book);
    QCOMPARE(listLines(m_dlg->names()), kImported);
}

void TestListEditing::cleanup() {
    m_dlg.reset();
    m_prompt.reset();
    m_dir.reset();
}

void TestListEditing::importFile(const QString &path) {
    m_prompt->fileNames.enqueue(path);
    m_dlg->face().openTable->click();
}

QPoint TestListEditing::cell(int row, int column) const {
    return m_view->visualRect(m_dlg->names().index(row, column)).center();
}

void TestListEditing::click(int row, int column, Qt::KeyboardModifiers modifiers) {
    QTest::mouseClick(m_view->viewport(), Qt::LeftButton, modifiers, cell(row, column));
}

void TestListEditing::typeIntoEditor(const QString &text) {
    auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_Backspace);
    typeText(editor, text);
    // The view commits the edit from its event loop and then lets the editor go.
    QPointer<QLineEdit> open(editor);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(!open);
}

void TestListEditing::key(int key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(m_view, Qt::Key(key), modifiers);
}

bool TestListEditing::previewShows(int row) {
    const NameRecord &e = m_dlg->names().at(row);
    const PlateLayout &layout = m_dlg->design().layout();
    return m_dlg->preview().picture() ==
           renderPlate(layout, m_dlg->design().canvas().m_background, e.texts());
}

void TestListEditing::editEachColumnAndUndo() {
    NameList &list = m_dlg->names();
    // ID by F2, 单位名称 by double-click, 名字 by typing over the cell, 职位 by F2 again.
    click(0, NameList::ColId);
    key(Qt::Key_F2);
    typeIntoEditor(u" 12号"_s);
    click(1, NameList::ColOrganisation);
    QTest::mouseDClick(m_view->viewport(), Qt::LeftButton, {}, cell(1, NameList::ColOrganisation));
    typeIntoEditor(u"财政部"_s);
    click(2, NameList::ColName);
    typeText(m_view, u"赵"_s);
    QPointer<QWidget> editor = QApplication::focusWidget();
    QVERIFY(qobject_cast<QLineEdit *>(editor));
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(!editor);
    click(2, NameList::ColTitle);
    key(Qt::Key_F2);
    typeIntoEditor(u"司长"_s);
    // 序号 stays the position.
    click(0, NameList::ColSeq);
    key(Qt::Key_F2);
    QVERIFY(!qobject_cast<QLineEdit *>(QApplication::focusWidget()));

    const QStringList edited{u"1|12|甲单位|甲|一"_s, u"2|5|财政部|乙|二"_s,
                             u"3|6|丙单位|赵|司长"_s};
    QCOMPARE(listLines(list), edited);
    QVERIFY(m_dlg->windowTitle().startsWith(u"duplicates.xls*"_s));
    for (int i = 0; i < 4; ++i)
        key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(listLines(list), kImported);
    QCOMPARE(m_dlg->windowTitle(), u"duplicates.xls - Delvora"_s);
    for (int i = 0; i < 4; ++i)
        key(Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(listLines(list), edited);
}

void TestListEditing::addRemoveSwapMoveAndUndo() {
    NameList &list = m_dlg->names();
    // 添加 after the current entry, its ID being edited at once.
    click(0, NameList::ColName);
    key(Qt::Key_Insert);
    typeIntoEditor(u"9"_s);
    QCOMPARE(listLines(list), (QStringList{u"1|5|甲单位|甲|一"_s, u"2|9|||"_s,
                                           u"3|5|乙单位|乙|二"_s, u"4|6|丙单位|丙|三"_s}));

    // 交换座位 of two entries chosen with Ctrl+click.
    click(0, NameList::ColName);
    click(3, NameList::ColName, Qt::ControlModifier);
    key(Qt::Key_W, Qt::ControlModifier);
    QCOMPARE(list.at(0).id, u"6"_s);
    QCOMPARE(list.at(3).id, u"5"_s);

    // 下移 and 上移 of the chosen entry.
    click(0, NameList::ColName);
    key(Qt::Key_Down, Qt::ControlModifier);
    key(Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(list.at(2).name, u"甲"_s);
    key(Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(list.at(1).name, u"甲"_s);

    // 删除 asks with the count; No keeps them.
    click(0, NameList::ColName);
    click(1, NameList::ColName, Qt::ShiftModifier);
    m_prompt->answers << false << true;
    key(Qt::Key_Delete);
    QCOMPARE(list.count(), 4);
    key(Qt::Key_Delete);
    QCOMPARE(m_prompt->texts(),
             (QStringList{u"确定删除选中的2条名单吗？"_s, u"确定删除选中的2条名单吗？"_s}));
    QCOMPARE(listLines(list), (QStringList{u"1|5|乙单位|乙|二"_s, u"2|5|丙单位|丙|三"_s}));

    // Every step back leads to the imported list: add, ID, swap, three moves, remove.
    const QStringList edited = listLines(list);
    QCOMPARE(list.undoStack()->count(), 1 + 7);
    for (int i = 0; i < 7; ++i)
        key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(listLines(list), kImported);
    QVERIFY(list.undoStack()->isClean());
    // One more step undoes the import itself.
    key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(list.count(), 0);
    QVERIFY(m_dlg->windowTitle().endsWith(u"Delvora*"_s));
    while (list.undoStack()->canRedo())
        key(Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(listLines(list), edited);
}

void TestListEditing::contextMenuNamesTheShortcuts() {
    QCOMPARE(m_view->contextMenuPolicy(), Qt::ActionsContextMenu);
    QStringList menu;
    for (QAction *a : m_view->actions())
        if (!a->isSeparator())
            menu << a->text().section(u' ', 0, 0) + u'=' + a->shortcut().toString();
    QCOMPARE(menu, (QStringList{u"添加=Ins"_s, u"删除=Del"_s, u"交换座位=Ctrl+W"_s,
                                u"上移=Ctrl+Up"_s, u"下移=Ctrl+Down"_s, u"撤销=Ctrl+Z"_s,
                                u"重做=Ctrl+Y"_s, u"保存名单=Ctrl+S"_s, u"另存为=Ctrl+Shift+S"_s}));
    // 交换座位 needs exactly two entries.
    auto *swap = m_view->actions().at(2);
    QVERIFY(!swap->isEnabled());
    click(0, NameList::ColName);
    click(2, NameList::ColName, Qt::ControlModifier);
    QVERIFY(swap->isEnabled());
    swap->trigger();
    QCOMPARE(m_dlg->names().at(0).id, u"6"_s);
}

void TestListEditing::previewShowsTheCurrentEntry() {
    // The import shows the first entry.
    QVERIFY(previewShows(0));
    click(2, NameList::ColName);
    QVERIFY(previewShows(2));
    QCOMPARE(m_dlg->preview().texts().name, u"丙"_s);
    key(Qt::Key_Up);
    QVERIFY(previewShows(1));
    // An edit of the shown entry redraws it, and so does its undo.
    key(Qt::Key_F2);
    typeIntoEditor(u"钱七"_s);
    QCOMPARE(m_dlg->preview().texts().name, u"钱七"_s);
    QVERIFY(previewShows(1));
    key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(m_dlg->preview().texts().name, u"乙"_s);
    QVERIFY(previewShows(1));
}

void TestListEditing::warningMarksFollowEdits() {
    NameList &list = m_dlg->names();
    const auto tip = [&](int row) {
        return list.index(row, NameList::ColId).data(Qt::ToolTipRole).toString();
    };
    QCOMPARE(tip(0), u"与第2行ID重复"_s);
    QCOMPARE(tip(1), u"与第1行ID重复"_s);
    QCOMPARE(tip(2), QString());
    QVERIFY(!list.index(0, NameList::ColId).data(Qt::DecorationRole).value<QIcon>().isNull());
    click(1, NameList::ColId);
    key(Qt::Key_F2);
    typeIntoEditor(u"12000"_s);
    QCOMPARE(tip(0), QString());
    QCOMPARE(tip(1), u"ID超出范围 0-9999"_s);
    key(Qt::Key_F2);
    typeIntoEditor(QString());
    QCOMPARE(tip(1), u"ID为空"_s);
    key(Qt::Key_F2);
    typeIntoEditor(u"7"_s);
    QCOMPARE(tip(1), QString());
    QVERIFY(list.index(1, NameList::ColId).data(Qt::DecorationRole).isNull());
}

void TestListEditing::saveNamesTheFileInTheTitle() {
    QCOMPARE(m_dlg->windowTitle(), u"duplicates.xls - Delvora"_s);
    click(0, NameList::ColName);
    key(Qt::Key_F2);
    typeIntoEditor(u"孙"_s);
    QCOMPARE(m_dlg->windowTitle(), u"duplicates.xls* - Delvora"_s);

    // A list read from .xls is offered as .xlsx beside it.
    m_prompt->saveNames.enqueue({m_dir->file(u"duplicates.xlsx"_s), 0});
    key(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(m_prompt->lastSuggested, m_dir->file(u"duplicates.xlsx"_s));
    QCOMPARE(m_prompt->lastFilter,
             u"Excel 工作簿(*.xlsx)|*.xlsx|CSV UTF-8(逗号分隔)(*.csv)|*.csv||"_s);
    QVERIFY(QFileInfo::exists(m_dir->file(u"duplicates.xlsx"_s)));
    QCOMPARE(m_dlg->windowTitle(), u"duplicates.xlsx - Delvora"_s);

    // Then Ctrl+S writes to it without asking.
    key(Qt::Key_F2);
    typeIntoEditor(u"周"_s);
    QFile::remove(m_dir->file(u"duplicates.xlsx"_s));
    key(Qt::Key_S, Qt::ControlModifier);
    QVERIFY(QFileInfo::exists(m_dir->file(u"duplicates.xlsx"_s)));
    QVERIFY(m_prompt->saveNames.isEmpty());
    QCOMPARE(m_dlg->windowTitle(), u"duplicates.xlsx - Delvora"_s);

    // 另存为 with the CSV type: the name gets its suffix and the file is CSV.
    m_prompt->saveNames.enqueue({m_dir->file(u"座次"_s), 1});
    key(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(m_dir->read(u"座次.csv"_s).startsWith("\xEF\xBB\xBFID,"));
    QVERIFY(m_dir->read(u"座次.csv"_s).contains("5,甲单位,周,一"));
    QCOMPARE(m_dlg->windowTitle(), u"座次.csv - Delvora"_s);
    QCOMPARE(m_prompt->shown.size(), 0);
}

void TestListEditing::failedSaveReportsAndStaysUnsaved() {
    click(0, NameList::ColName);
    key(Qt::Key_F2);
    typeIntoEditor(u"孙"_s);
    QVERIFY(QDir(m_dir->path()).mkpath(u"taken.xlsx/inside"_s));
    m_prompt->saveNames.enqueue({m_dir->file(u"taken.xlsx"_s), 0});
    key(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(m_prompt->shown.size(), 1);
    QVERIFY(m_prompt->shown[0].text.startsWith(u"保存名单失败："_s));
    QVERIFY(m_prompt->shown[0].text.size() > u"保存名单失败："_s.size());
    QCOMPARE(m_prompt->shown[0].icon, Prompt::Icon::Stop);
    QVERIFY(QFileInfo(m_dir->file(u"taken.xlsx/inside"_s)).isDir());
    QCOMPARE(m_dlg->windowTitle(), u"duplicates.xls* - Delvora"_s);
}

void TestListEditing::savedFileImportsToTheSameList_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("type");
    QTest::newRow("xlsx") << u"座次.xlsx"_s << 0;
    QTest::newRow("csv") << u"座次.csv"_s << 1;
}

void TestListEditing::savedFileImportsToTheSameList() {
    QFETCH(QString, name);
    QFETCH(int, type);
    click(2, NameList::ColName);
    key(Qt::Key_Insert);
    typeIntoEditor(u"10000"_s);
    m_view->setCurrentIndex(m_dlg->names().index(3, NameList::ColOrganisation));
    key(Qt::Key_F2);
    typeIntoEditor(u"北京, \"海淀\""_s);
    m_view->setCurrentIndex(m_dlg->names().index(3, NameList::ColTitle));
    key(Qt::Key_F2);
    typeIntoEditor(u"两行"_s);
    const QStringList saved = listLines(m_dlg->names());
    QCOMPARE(saved.last(), u"4|10000|北京, \"海淀\"||两行"_s);

    m_prompt->saveNames.enqueue({m_dir->file(name), type});
    key(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(m_prompt->shown.size(), 0);
    importFile(m_dir->file(name));
    QCOMPARE(m_prompt->shown.size(), 0);
    QCOMPARE(listLines(m_dlg->names()), saved);
    QCOMPARE(m_dlg->windowTitle(), name + u" - Delvora"_s);
}

void TestListEditing::unsavedChangesQuestion_data() {
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("goesOn");
    QTest::addColumn<bool>("saved");
    for (const QString &trigger : {u"close"_s, u"import"_s, u"escape"_s}) {
        QTest::addRow("%s yes", qPrintable(trigger)) << trigger << Answer::Yes << true << true;
        QTest::addRow("%s no", qPrintable(trigger)) << trigger << Answer::No << true << false;
        QTest::addRow("%s cancel", qPrintable(trigger))
            << trigger << Answer::Cancel << false << false;
    }
}

void TestListEditing::unsavedChangesQuestion() {
    QFETCH(QString, trigger);
    QFETCH(Answer, answer);
    QFETCH(bool, goesOn);
    QFETCH(bool, saved);
    const auto act = [&] {
        if (trigger == u"close")
            m_dlg->close();
        else if (trigger == u"import")
            importFile(fixture(u"chinese_sheets.xls"_s));
        else
            QTest::keyClick(m_dlg.get(), Qt::Key_Escape);
    };

    // Without changes nothing is asked.
    if (trigger == u"import") {
        importFile(m_book);
        QCOMPARE(m_prompt->shown.size(), 0);
    }
    click(0, NameList::ColName);
    key(Qt::Key_F2);
    typeIntoEditor(u"孙"_s);
    const QString target = m_dir->file(u"saved.xlsx"_s);
    m_prompt->threeWay.enqueue(answer);
    m_prompt->saveNames.enqueue({target, 0});
    act();
    QCOMPARE(m_prompt->texts(), QStringList{u"名单已修改，是否保存？"_s});
    QCOMPARE(QFileInfo::exists(target), saved);
    if (trigger == u"import") {
        QCOMPARE(m_dlg->names().count(), goesOn ? 2 : 3);
        QCOMPARE(m_dlg->names().at(0).name, goesOn ? u"王小明"_s : u"孙"_s);
    } else {
        QCOMPARE(m_dlg->isVisible(), !goesOn);
        QCOMPARE(m_dlg->names().at(0).name, u"孙"_s);
    }
}

QTEST_MAIN(TestListEditing)
#include "test_listediting.moc"
