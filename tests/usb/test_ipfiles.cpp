#include <QPushButton>
#include <QtTest>

#include "gui/application.h"
#include "gui/mainwindow.h"
#include "namelist/namelisttexts.h"
#include "support/fakedrives.h"
#include "support/scriptedprompt.h"
#include "support/tempworkdir.h"

using namespace delvora;
using namespace delvora::test;

namespace {

QString book(const char *name) {
    return QStringLiteral(DELVORA_USB_BOOKS "/") + QString::fromLatin1(name);
}

// The files below a folder with their contents, paths relative to it ("sub/" for folders).
QMap<QString, QByteArray> tree(const QString &root) {
    QMap<QString, QByteArray> out;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString rel = QDir(root).relativeFilePath(path);
        if (it.fileInfo().isDir()) {
            out[rel + u'/'] = {};
        } else {
            QFile f(path);
            f.open(QIODevice::ReadOnly);
            out[rel] = f.readAll();
        }
    }
    return out;
}

} // namespace

class TestIpFiles : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Application::prepareApplication(); }
    void init();
    void cleanup();
    void writesOneFilePerPlate();
    void everyFormatWritesTheSameFiles_data();
    void everyFormatWritesTheSameFiles();
    void damagedSheetWritesNothing();
    void emptiesTheFolderFirst();
    void headingOnly();
    void unreadableWorkbookLeavesFolder();
    void noSheet1();
    void groupOutOfRangeStopsTheRun();
    void unwritableFileIsReported();
    void folderCannotBeCreated();
    void cancelledDialog();

private:
    void run(const QString &workbook);
    QString ip(const QString &rel = {}) const { return m_dir->file(QStringLiteral("IP/") + rel); }

    std::unique_ptr<TempWorkDir> m_dir;
    std::unique_ptr<FakeDrives> m_drives;
    std::unique_ptr<ScriptedPrompt> m_prompt;
    std::unique_ptr<MainWindow> m_dlg;
};

void TestIpFiles::init() {
    m_dir = std::make_unique<TempWorkDir>();
    m_dir->useFixedAddress();
    m_drives = std::make_unique<FakeDrives>(QList<DriveInfo>{FakeDrives::stick(m_dir->path())});
    m_prompt = std::make_unique<ScriptedPrompt>();
    m_dlg = std::make_unique<MainWindow>();
}

void TestIpFiles::cleanup() {
    m_dlg.reset();
    m_prompt.reset();
    m_drives.reset();
    m_dir.reset();
}

void TestIpFiles::run(const QString &workbook) {
    m_prompt->clear();
    m_prompt->fileNames.enqueue(workbook);
    m_dlg->face().makeIpFiles->click();
    QCOMPARE(m_prompt->lastFilter, texts::workbookFilter());
    // Every path closes the workbook again.
    QVERIFY(!m_dlg->reader().isOpen());
}

void TestIpFiles::writesOneFilePerPlate() {
    run(book("addresses.xls"));
    QCOMPARE(m_prompt->texts(), QStringList{QStringLiteral("生成IP文件完成！")});
    QCOMPARE(tree(ip()), (QMap<QString, QByteArray>{
                             // The later of the two rows for plate 12 wins.
                             {QStringLiteral("12.txt"), "010000000005255000000000010000000001"},
                             {QStringLiteral("7.txt"), QByteArray(36, '0')},
                             {QStringLiteral("0.txt"), "192168000001001002003004010000000001"}}));
}

void TestIpFiles::everyFormatWritesTheSameFiles_data() {
    QTest::addColumn<QString>("workbook");
    QTest::newRow("xlsx") << book("addresses.xlsx");
    QTest::newRow("ods") << book("addresses.ods");
    QTest::newRow("csv") << book("addresses.csv");
}

void TestIpFiles::everyFormatWritesTheSameFiles() {
    QFETCH(QString, workbook);
    run(book("addresses.xls"));
    const QMap<QString, QByteArray> fromXls = tree(ip());
    QCOMPARE(fromXls.size(), 3);
    run(workbook);
    QCOMPARE(m_prompt->texts(), QStringList{QStringLiteral("生成IP文件完成！")});
    QCOMPARE(tree(ip()), fromXls);
}

void TestIpFiles::damagedSheetWritesNothing() {
    // The damage lies in the last row: no file is written from a sheet not read completely.
    run(book("damaged_last_row.xlsx"));
    QCOMPARE(m_prompt->texts(), QStringList{QStringLiteral("生成IP文件失败，请检查Excel格式！")});
    QVERIFY(tree(ip()).isEmpty());
}

void TestIpFiles::emptiesTheFolderFirst() {
    QDir(m_dir->path()).mkpath(QStringLiteral("IP/old"));
    m_dir->write(QStringLiteral("IP/99.txt"), "old");
    m_dir->write(QStringLiteral("IP/old/1.txt"), "old");
    run(book("addresses.xls"));
    const auto files = tree(ip());
    QVERIFY(!files.contains(QStringLiteral("99.txt")));
    QVERIFY(!files.contains(QStringLiteral("old/1.txt")));
    QVERIFY(files.contains(QStringLiteral("old/")));
    QVERIFY(files.contains(QStringLiteral("12.txt")));
}

void TestIpFiles::headingOnly() {
    QDir(m_dir->path()).mkpath(QStringLiteral("IP"));
    m_dir->write(QStringLiteral("IP/99.txt"), "old");
    run(book("header_only.xls"));
    QCOMPARE(m_prompt->texts(), QStringList{QStringLiteral("生成IP文件完成！")});
    QVERIFY(tree(ip()).isEmpty());
}

void TestIpFiles::unreadableWorkbookLeavesFolder() {
    QDir(m_dir->path()).mkpath(QStringLiteral("IP"));
    m_dir->write(QStringLiteral("IP/99.txt"), "old");
    m_dir->write(QStringLiteral("broken.xls"), QByteArray(600, 'x'));
    run(m_dir->file(QStringLiteral("broken.xls")));
    QCOMPARE(m_prompt->shown.size(), 1);
    QVERIFY(m_prompt->shown.first().text.startsWith(QStringLiteral("打开Excel")));
    QCOMPARE(tree(ip()).value(QStringLiteral("99.txt")), QByteArray("old"));
}

void TestIpFiles::noSheet1() {
    run(book("no_sheet1.xls"));
    QCOMPARE(m_prompt->texts(), QStringList{QStringLiteral("生成IP文件失败，请检查Excel格式！")});
    QVERIFY(tree(ip()).isEmpty());
}

void TestIpFiles::groupOutOfRangeStopsTheRun() {
    run(book("bad_group.xls"));
    QCOMPARE(m_prompt->texts(), QStringList{QStringLiteral("生成IP文件失败，请检查Excel格式！")});
    // The file of the row before stays; nothing is written for the bad row or after it.
    QCOMPARE(tree(ip()), (QMap<QString, QByteArray>{
                             {QStringLiteral("1.txt"), "192168001002255255255000192168001001"}}));
}

void TestIpFiles::unwritableFileIsReported() {
    // A folder in the place of 12.txt survives the clearing and cannot be replaced by a file.
    QDir(m_dir->path()).mkpath(QStringLiteral("IP/12.txt"));
    run(book("addresses.xls"));
    QCOMPARE(m_prompt->texts(), QStringList{QStringLiteral("生成IP文件失败！")});
    QVERIFY(tree(ip()).contains(QStringLiteral("7.txt")));
}

void TestIpFiles::folderCannotBeCreated() {
    m_dir->write(QStringLiteral("IP"), "a file where the folder should be");
    run(book("addresses.xls"));
    QCOMPARE(m_prompt->texts(), QStringList{QStringLiteral("创建文件夹失败！")});
}

void TestIpFiles::cancelledDialog() {
    m_prompt->clear();
    m_dlg->face().makeIpFiles->click(); // no file scripted: cancelled
    QVERIFY(m_prompt->shown.isEmpty());
    QVERIFY(!QFileInfo::exists(ip()));
}

QTEST_MAIN(TestIpFiles)
#include "test_ipfiles.moc"
