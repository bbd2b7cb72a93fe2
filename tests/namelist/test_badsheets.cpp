#include <QtTest>

#include "fixtures.h"
#include "namelist/workbookreader.h"
#include "namelist/namelist.h"
#include "namelist/namelisttexts.h"
#include "sheets/spreadsheettexts.h"
#include "sheets/workbookerror.h"
#include "support/tempworkdir.h"

using namespace delvora;
using namespace delvora::test;
using namespace Qt::StringLiterals;

namespace {

// The error the import shows for a file: the open failure's text, or the read error's.
QString importError(const QString &path, int *entries = nullptr) {
    WorkbookReader reader;
    if (!reader.openWorkbook(path))
        return reader.getErrorText();
    NameList list;
    QString error;
    try {
        reader.readNameList(list);
    } catch (const WorkbookError &e) {
        error = e.text();
    }
    if (entries)
        *entries = list.count();
    return error;
}

QByteArray readFile(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

// Damaged and hostile name lists in the new formats each end in a clear message: no crash, no
// hang, no huge allocation.
class TestBadSheets : public QObject {
    Q_OBJECT
private slots:
    void archives_data();
    void archives();
    void encryptedWorkbook();
    void texts_data();
    void texts();
    void noSheet1_data();
    void noSheet1();
};

void TestBadSheets::archives_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("error");
    const QString open = texts::openError();
    const QString ws = u"xl/worksheets/sheet1.xml"_s;
    QTest::newRow("good") << u"good.xlsx"_s << QString();
    QTest::newRow("document type") << u"dtd.xlsx"_s << texts::xmlDeclarations(ws);
    QTest::newRow("entities") << u"entities.xlsx"_s
                              << open + texts::xmlDeclarations(u"xl/sharedStrings.xml"_s);
    QTest::newRow("deep nesting") << u"deep.xlsx"_s << texts::xmlTooDeep(ws);
    QTest::newRow("column past XFD")
        << u"column_past_xfd.xlsx"_s << texts::badCellReference(u"XFE1"_s);
    QTest::newRow("row past the last")
        << u"row_past_limit.xlsx"_s << texts::badCellReference(u"1048577"_s);
    QTest::newRow("shared string index")
        << u"string_index.xlsx"_s << texts::badSharedString(u"B2"_s);
    QTest::newRow("shared string count")
        << u"string_count.xlsx"_s << open + texts::countMismatch(u"xl/sharedStrings.xml"_s);
    QTest::newRow("truncated") << u"truncated.xlsx"_s << open + texts::damagedArchive();
    QTest::newRow("no workbook part")
        << u"no_workbook.xlsx"_s << open + texts::missingPart(u"xl/workbook.xml"_s);
    QTest::newRow("no sheet part") << u"no_sheet_part.xlsx"_s << texts::missingPart(ws);
    QTest::newRow("bad number") << u"bad_number.xlsx"_s << texts::badCellValue(u"A2"_s);
    QTest::newRow("300 MiB part") << u"bomb.xlsx"_s << texts::partTooLarge(ws);
    QTest::newRow("ratio past 1000") << u"ratio.xlsx"_s << texts::partTooLarge(ws);
    QTest::newRow("ods document type") << u"dtd.ods"_s << texts::xmlDeclarations(u"content.xml"_s);
    QTest::newRow("ods deep nesting") << u"deep.ods"_s << texts::xmlTooDeep(u"content.xml"_s);
    QTest::newRow("ods bad float") << u"bad_float.ods"_s << texts::damagedPart(u"content.xml"_s);
    QTest::newRow("ods rows past the last") << u"rows_past_limit.ods"_s << texts::tooManyRows();
}

void TestBadSheets::archives() {
    QFETCH(QString, file);
    QFETCH(QString, error);
    QCOMPARE(importError(fixture(u"bad/"_s + file)), error);
}

void TestBadSheets::encryptedWorkbook() {
    // A password-protected .xlsx is a compound document holding "EncryptedPackage": rename
    // the workbook stream of an .xls so.
    QByteArray book = readFile(fixture(u"duplicates.xls"_s));
    const QByteArray name =
        QByteArray::fromRawData(reinterpret_cast<const char *>(u"Workbook"), 16);
    const qsizetype entry = book.indexOf(name);
    QVERIFY(entry > 0);
    QByteArray field(64, '\0');
    const QString encrypted = u"EncryptedPackage"_s;
    memcpy(field.data(), encrypted.utf16(), size_t(encrypted.size()) * 2);
    book.replace(entry, 64, field);
    book[entry + 64] = char((encrypted.size() + 1) * 2);
    TempWorkDir dir;
    dir.write(u"secret.xlsx"_s, book);
    QCOMPARE(importError(dir.file(u"secret.xlsx"_s)), texts::openError() + texts::encrypted());
}

void TestBadSheets::texts_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error");
    QTest::addColumn<int>("entries");
    const QByteArray head = "ID,a,b,c\n";
    QTest::newRow("lone quote") << head + "1,\"x,y\n2,z\n" << texts::csvOpenQuote(2) << 0;
    QTest::newRow("quote inside a field stays") << head + "1,a\"b,c,d\n" << QString() << 1;
    QTest::newRow("NUL byte") << head + "1,x\0y,z,w\n"_ba << texts::csvNul(2) << 0;
    QTest::newRow("UTF-16 NUL character") << QByteArray("\xFF\xFE"
                                                        "I\0D\0,\0a\0,\0b\0,\0c\0\n\0"
                                                        "1\0\0\0,\0a\0,\0b\0,\0c\0\n\0",
                                                        36)
                                          << texts::csvNul(2) << 0;
    QTest::newRow("10 MB line") << head + "1," + QByteArray(10 << 20, 'x') + ",b,c\n"
                                << texts::csvLongLine(2) << 0;
    // "名字" in UTF-8 on one line, "名字" in GBK on the next.
    QTest::newRow("mixed encodings")
        << head + "1,\xE5\x90\x8D\xE5\xAD\x97,b,c\n2,\xC3\xFB\xD7\xD6,b,c\n"
        << texts::openError() + texts::csvMixedEncoding() << 0;
    QTest::newRow("no GBK either") << head + "1,\x81\x20\xFF,b,c\n"
                                   << texts::openError() + texts::csvBadEncoding() << 0;
    QTest::newRow("too few columns") << "ID,a,b\n1,x,y\n2,z,w\n"_ba << texts::tooFewColumns() << 1;
}

void TestBadSheets::texts() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    QFETCH(int, entries);
    TempWorkDir dir;
    dir.write(u"list.csv"_s, bytes);
    int read = -1;
    QCOMPARE(importError(dir.file(u"list.csv"_s), &read), error);
    if (read >= 0)
        QCOMPARE(read, entries);
}

void TestBadSheets::noSheet1_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("xlsx") << u"bad/no_sheet1.xlsx"_s;
    QTest::newRow("ods") << u"bad/no_sheet1.ods"_s;
}

void TestBadSheets::noSheet1() {
    QFETCH(QString, file);
    QCOMPARE(importError(fixture(file)), texts::noSheet());
}

QTEST_GUILESS_MAIN(TestBadSheets)
#include "test_badsheets.moc"
