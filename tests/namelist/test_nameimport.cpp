#include <QtTest>

#include <QMimeData>
#include <QPushButton>
#include <QTreeView>

#include "fixtures.h"
#include "gui/mainwindow.h"
#include "layout/logfont.h"
#include "layout/renderer.h"
#include "namelist/namelisttexts.h"
#include "support/scriptedprompt.h"
#include "support/tempworkdir.h"

using namespace delvora;
using namespace delvora::test;
using namespace Qt::StringLiterals;

namespace {

using Icon = Prompt::Icon;

QStringList rowTexts(MainWindow &dlg) {
    QStringList out;
    const PlateTexts &shown = dlg.preview().texts();
    for (int i = 0; i < PlateLayout::kRows; ++i)
        out << shown.row(i);
    return out;
}

// What the list view shows, one line per entry, cells joined by "|".
QStringList shownLines(MainWindow &dlg) {
    const QAbstractItemModel *model = dlg.face().nameList->model();
    QStringList out;
    for (int r = 0; r < model->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < model->columnCount(); ++c)
            cells << model->index(r, c).data().toString();
        out << cells.join(u'|');
    }
    return out;
}

} // namespace

// The import command of button "打开表格" in the real main window.
class TestNameImport : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutes(); }
    void init();
    void cleanup();

    void importShowsNamesAndFirstEntry();
    void everyFormatImports_data();
    void everyFormatImports();
    void droppedFileImports();
    void headerOnlyEmptiesTexts();
    void secondImportReplacesFirst();
    void cancelKeepsList();
    void readErrorsShowStop_data();
    void readErrorsShowStop();
    void openFailureShowsPlainMessage_data();
    void openFailureShowsPlainMessage();
    void importLeavesNothingUnsaved_data();
    void importLeavesNothingUnsaved();

private:
    void importFile(const QString &path);
    bool previewShowsLayout();

    std::unique_ptr<TempWorkDir> m_dir;
    std::unique_ptr<ScriptedPrompt> m_prompt;
    std::unique_ptr<MainWindow> m_dlg;
};

void TestNameImport::init() {
    m_dir = std::make_unique<TempWorkDir>();
    m_dir->installResource(u"red.jpg"_s);
    m_dir->installResource(u"fontSetting.dat"_s);
    m_dir->useFixedAddress();
    m_prompt = std::make_unique<ScriptedPrompt>();
    m_dlg = std::make_unique<MainWindow>();
}

void TestNameImport::cleanup() {
    m_dlg.reset();
    m_prompt.reset();
    m_dir.reset();
}

void TestNameImport::importFile(const QString &path) {
    m_prompt->fileNames.enqueue(path);
    m_dlg->face().openTable->click();
}

bool TestNameImport::previewShowsLayout() {
    return m_dlg->preview().picture() == renderPlate(m_dlg->design().layout(),
                                                     m_dlg->design().canvas().m_background,
                                                     m_dlg->preview().texts());
}

void TestNameImport::importShowsNamesAndFirstEntry() {
    QTreeView *view = m_dlg->face().nameList;
    QCOMPARE(view->selectionMode(), QAbstractItemView::ExtendedSelection);
    QCOMPARE(view->selectionBehavior(), QAbstractItemView::SelectRows);
    QVERIFY(!view->isSortingEnabled());
    const qint64 before = m_dlg->preview().picture().cacheKey();

    importFile(fixture(u"chinese_sheets.xls"_s));
    QCOMPARE(qtNameFilters(m_prompt->lastFilter),
             QStringList({u"名单文件 (*.xls *.xlsx *.xlsm *.ods *.csv *.txt)"_s,
                          u"Eexel 97-2003工作簿(*.xls)"_s}));
    QCOMPARE(m_prompt->shown.size(), 0);
    QCOMPARE(shownLines(*m_dlg),
             (QStringList{u"1|101|国务院办公厅|王小明|秘书长"_s, u"2|102|中国科学院|李华|院士"_s}));
    QCOMPARE(rowTexts(*m_dlg), (QStringList{u"国务院办公厅"_s, u"王小明"_s, u"秘书长"_s}));
    QVERIFY(m_dlg->preview().picture().cacheKey() != before);
    QVERIFY(previewShowsLayout());
    QCOMPARE(m_dlg->names().count(), 2);
    QVERIFY(!m_dlg->reader().isOpen());
}

void TestNameImport::everyFormatImports_data() {
    QTest::addColumn<QString>("file");
    for (const QString &file : {u"same.xls"_s, u"same.xlsx"_s, u"same.ods"_s, u"same.csv"_s})
        QTest::newRow(qPrintable(file)) << file;
}

void TestNameImport::everyFormatImports() {
    QFETCH(QString, file);
    importFile(fixture(file));
    QCOMPARE(m_prompt->shown.size(), 0);
    QCOMPARE(m_dlg->names().count(), 7);
    QCOMPARE(shownLines(*m_dlg).constFirst(), u"1|1|市政府办公厅|张三|主任"_s);
    QCOMPARE(rowTexts(*m_dlg), (QStringList{u"市政府办公厅"_s, u"张三"_s, u"主任"_s}));
    QVERIFY(previewShowsLayout());
    QVERIFY(!m_dlg->reader().isOpen());
}

void TestNameImport::droppedFileImports() {
    const QPointF at(m_dlg->width() / 2.0, m_dlg->height() / 2.0);
    QMimeData folder;
    folder.setUrls({QUrl::fromLocalFile(m_dir->path())});
    QDragEnterEvent refused(at.toPoint(), Qt::CopyAction, &folder, Qt::LeftButton, Qt::NoModifier);
    refused.setAccepted(false);
    QCoreApplication::sendEvent(m_dlg.get(), &refused);
    QVERIFY(!refused.isAccepted());

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(fixture(u"same.ods"_s))});
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    enter.setAccepted(false);
    QCoreApplication::sendEvent(m_dlg.get(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(m_dlg.get(), &drop);
    QTRY_COMPARE(m_dlg->names().count(), 7);
    QCOMPARE(rowTexts(*m_dlg), (QStringList{u"市政府办公厅"_s, u"张三"_s, u"主任"_s}));
    QVERIFY(m_prompt->fileNames.isEmpty()); // no dialog asked
    QCOMPARE(m_prompt->shown.size(), 0);
}

void TestNameImport::headerOnlyEmptiesTexts() {
    importFile(fixture(u"duplicates.xls"_s));
    const QImage withText = m_dlg->preview().picture();
    importFile(fixture(u"header_only.xls"_s));
    QCOMPARE(m_prompt->shown.size(), 0);
    QCOMPARE(m_dlg->names().count(), 0);
    QCOMPARE(rowTexts(*m_dlg), (QStringList{QString(), QString(), QString()}));
    QVERIFY(m_dlg->preview().picture() != withText);
    QVERIFY(previewShowsLayout());
}

void TestNameImport::secondImportReplacesFirst() {
    importFile(fixture(u"ids.xls"_s));
    QCOMPARE(m_dlg->names().count(), 11);
    m_dlg->names().selectionModel()->select(
        m_dlg->names().index(5, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    importFile(fixture(u"duplicates.xls"_s));
    // Numbered from 1 again; the same ID twice shows twice.
    QCOMPARE(shownLines(*m_dlg),
             (QStringList{u"1|5|甲单位|甲|一"_s, u"2|5|乙单位|乙|二"_s, u"3|6|丙单位|丙|三"_s}));
    QCOMPARE(m_dlg->names().firstSelected(), -1);
    QCOMPARE(rowTexts(*m_dlg), (QStringList{u"甲单位"_s, u"甲"_s, u"一"_s}));
}

void TestNameImport::cancelKeepsList() {
    importFile(fixture(u"duplicates.xls"_s));
    const QStringList lines = shownLines(*m_dlg);
    const qint64 preview = m_dlg->preview().picture().cacheKey();
    importFile(QString());
    QCOMPARE(shownLines(*m_dlg), lines);
    QCOMPARE(rowTexts(*m_dlg), (QStringList{u"甲单位"_s, u"甲"_s, u"一"_s}));
    QCOMPARE(m_dlg->preview().picture().cacheKey(), preview);
    QCOMPARE(m_prompt->shown.size(), 0);
}

void TestNameImport::readErrorsShowStop_data() {
    QTest::addColumn<QString>("book");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QStringList>("kept");
    QTest::newRow("no sheet Sheet1") << u"no_sheet1.xls"_s << texts::noSheet() << QStringList();
    QTest::newRow("three columns")
        << u"three_columns.xls"_s << texts::tooFewColumns() << QStringList{u"1|8|财政局|刘洋|"_s};
}

void TestNameImport::readErrorsShowStop() {
    QFETCH(QString, book);
    QFETCH(QString, error);
    QFETCH(QStringList, kept);
    importFile(fixture(u"duplicates.xls"_s));
    const QStringList texts = rowTexts(*m_dlg);
    const qint64 preview = m_dlg->preview().picture().cacheKey();

    importFile(fixture(book));
    QCOMPARE(m_prompt->shown.size(), 1);
    QCOMPARE(m_prompt->shown[0].text, error);
    QCOMPARE(m_prompt->shown[0].icon, Icon::Stop);
    QCOMPARE(shownLines(*m_dlg), kept);
    // The layout and the preview stay as the last good import left them.
    QCOMPARE(rowTexts(*m_dlg), texts);
    QCOMPARE(m_dlg->preview().picture().cacheKey(), preview);
    QVERIFY(!m_dlg->reader().isOpen());

    // The reader is ready for the next import.
    importFile(fixture(u"chinese_sheets.xls"_s));
    QCOMPARE(m_dlg->names().count(), 2);
}

void TestNameImport::openFailureShowsPlainMessage_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("error");
    QTest::newRow("missing") << u"missing.xls"_s << QByteArray() << texts::openFailed();
    QTest::newRow("not a workbook")
        << u"text.xls"_s << QByteArray("hello") << texts::openError() + texts::notWorkbook();
}

void TestNameImport::openFailureShowsPlainMessage() {
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, error);
    if (!content.isNull())
        m_dir->write(name, content);
    importFile(fixture(u"duplicates.xls"_s));
    const qint64 preview = m_dlg->preview().picture().cacheKey();

    importFile(m_dir->file(name));
    QCOMPARE(m_prompt->shown.size(), 1);
    QCOMPARE(m_prompt->shown[0].text, error);
    QCOMPARE(m_prompt->shown[0].icon, Icon::None);
    // The list is emptied; layout and preview stay.
    QCOMPARE(m_dlg->names().count(), 0);
    QCOMPARE(rowTexts(*m_dlg), (QStringList{u"甲单位"_s, u"甲"_s, u"一"_s}));
    QCOMPARE(m_dlg->preview().picture().cacheKey(), preview);
}

void TestNameImport::importLeavesNothingUnsaved_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("good") << u"chinese_sheets.xls"_s;
    QTest::newRow("not a list") << u"text.xls"_s;
    QTest::newRow("cut short") << u"cut.xls"_s;
    QTest::newRow("no sheet Sheet1") << u"no_sheet1.xls"_s;
    QTest::newRow("three columns") << u"three_columns.xls"_s;
}

// An import, whether it works or fails, is no edit of the operator's: afterwards the title has
// no *, and 打开表格 and closing ask nothing.
void TestNameImport::importLeavesNothingUnsaved() {
    QFETCH(QString, file);
    m_dir->write(u"text.xls"_s, "hello");
    QFile whole(fixture(u"duplicates.xls"_s));
    QVERIFY(whole.open(QIODevice::ReadOnly));
    m_dir->write(u"cut.xls"_s, whole.readAll().left(3000));
    importFile(fixture(u"duplicates.xls"_s));
    QVERIFY(m_prompt->shown.isEmpty());

    importFile(QFileInfo::exists(m_dir->file(file)) ? m_dir->file(file) : fixture(file));
    QVERIFY(!m_dlg->windowTitle().contains(u'*'));
    m_prompt->clear();
    m_prompt->fileNames.enqueue(QString()); // the next 打开表格 is cancelled at its dialog
    m_dlg->face().openTable->click();
    m_dlg->show();
    m_dlg->reject();
    QVERIFY(!m_dlg->isVisible());
    QVERIFY2(!m_prompt->texts().contains(texts::unsavedChanges()),
             qPrintable(m_prompt->texts().join(u'|')));
}

QTEST_MAIN(TestNameImport)
#include "test_nameimport.moc"
