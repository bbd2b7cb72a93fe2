#include <QtTest>

#include <QRandomGenerator>

#include "fixtures.h"
#include "namelist/workbookreader.h"
#include "namelist/namelist.h"
#include "namelist/namelisttexts.h"
#include "sheets/workbookerror.h"
#include "support/tempworkdir.h"

using namespace delvora;
using namespace delvora::test;
using namespace Qt::StringLiterals;

namespace {

QByteArray readFile(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList fields(const NameRecord &e) {
    return {QString::number(e.seq), e.id, e.organisation, e.name, e.title};
}

// Reads the name rows of a workbook; the error text of a failed read or open goes to `error`.
QList<NameRecord> readNames(WorkbookReader &reader, const QString &path, QString *error = nullptr) {
    NameList list;
    if (!reader.openWorkbook(path)) {
        if (error)
            *error = reader.getErrorText();
        return {};
    }
    try {
        reader.readNameList(list);
    } catch (const WorkbookError &e) {
        if (error)
            *error = e.text();
    }
    return list.entries();
}

// Offset of the allocation table entry of the "Workbook" stream's first sector, for files
// with 512-byte sectors whose first table sector is listed first in the header.
qsizetype workbookFatEntry(const QByteArray &file, uint32_t *start) {
    const auto u32 = [&](qsizetype at) {
        return qFromLittleEndian<uint32_t>(file.constData() + at);
    };
    const qsizetype dir = (qsizetype(u32(0x30)) + 1) * 512;
    const QByteArray name =
        QByteArray::fromRawData(reinterpret_cast<const char *>(u"Workbook"), 16);
    const qsizetype entry = file.indexOf(name, dir);
    *start = u32(entry + 116);
    return (qsizetype(u32(0x4C)) + 1) * 512 + qsizetype(*start) * 4;
}

} // namespace

class TestExcelReader : public QObject {
    Q_OBJECT
private slots:
    void cellsBecomeEntryTexts();
    void readsWorkbooksOfEveryWriter_data();
    void readsWorkbooksOfEveryWriter();
    void noSheet1();
    void threeColumns();
    void addressRows();
    void addressConsumerErrorClosesWorkbook();
    void openFailures_data();
    void openFailures();
    void errorTextStaysUntilNextFailure();
    void damagedSheetRecord();
    void loopInAllocationTable();
    void damagedFilesNeverCrash_data();
    void damagedFilesNeverCrash();
    void readTwiceAndClose();
};

void TestExcelReader::cellsBecomeEntryTexts() {
    // Sheet1 is the second of three sheets with Chinese names and has a fifth and sixth column.
    WorkbookReader reader;
    const QList<NameRecord> got = readNames(reader, fixture(u"ids.xls"_s));
    const QList<QStringList> want = {
        {u"1"_s, u"12"_s, u"北京大学"_s, u"张三"_s, u"教授"_s},
        {u"2"_s, u"12"_s, u"清华大学"_s, u"李四"_s, u"讲师"_s},
        {u"3"_s, u"12"_s, u"复旦大学"_s, u"王五"_s, u"院长"_s},
        {u"4"_s, u"0"_s, u""_s, u"赵六"_s, u""_s},
        {u"5"_s, u"0"_s, u""_s, u"孙七"_s, u""_s},
        {u"6"_s, u"-5"_s, u"负数"_s, u"周八"_s, u"职员"_s},
        {u"7"_s, u"3"_s, u"1.25"_s, u"3"_s, u"TRUE"_s},
        {u"8"_s, u"12"_s, u"人民大学"_s, u"吴九"_s, u"处长"_s},
        {u"9"_s, u"-7"_s, u"Zhejiang"_s, u"Zheng"_s, u"Head"_s},
        {u"10"_s, u"2147483647"_s, u"大数"_s, u"郑十"_s, u"科员"_s},
        {u"11"_s, u"12"_s, u"文本12.0"_s, u"钱一"_s, u"秘书"_s},
    };
    QCOMPARE(got.size(), want.size());
    for (qsizetype i = 0; i < want.size(); ++i)
        QCOMPARE(fields(got[i]), want[i]);
    QVERIFY(!reader.isOpen());
}

void TestExcelReader::readsWorkbooksOfEveryWriter_data() {
    QTest::addColumn<QString>("book");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("position");
    QTest::addColumn<QStringList>("entry");
    QTest::newRow("header only") << u"header_only.xls"_s << 0 << -1 << QStringList();
    QTest::newRow("sheet names in Chinese")
        << u"chinese_sheets.xls"_s << 2 << 0
        << QStringList{u"1"_s, u"101"_s, u"国务院办公厅"_s, u"王小明"_s, u"秘书长"_s};
    QTest::newRow("shared strings over many records")
        << u"many_strings.xls"_s << 1501 << 999
        << QStringList{u"1000"_s, u"1000"_s, u"第1000单位"_s, u"人员3000号"_s, u"主任1000"_s};
    QTest::newRow("strings longer than a record")
        << u"many_strings.xls"_s << 1501 << 1500
        << QStringList{u"1501"_s, u"1501"_s, u"很长的单位名称"_s.repeated(900),
                       u"A"_s.repeated(9000), u"尾"_s};
    QTest::newRow("shared strings over many records, xlwt")
        << u"many_strings_xlwt.xls"_s << 1201 << 1
        << QStringList{u"2"_s, u"2"_s, u"Unit 2"_s, u"姓名14"_s, u"职位职位2"_s};
    QTest::newRow("strings longer than a record, xlwt")
        << u"many_strings_xlwt.xls"_s << 1201 << 1200
        << QStringList{u"1201"_s, u"1201"_s, u"长"_s.repeated(5000), u"L"_s.repeated(9000),
                       u"混合Mixed"_s.repeated(1200)};
    QTest::newRow("formula results")
        << u"formulas.xls"_s << 3 << 0
        << QStringList{u"1"_s, u"12"_s, u"Peking University"_s, u"Zhang San"_s, u"3.5"_s};
    QTest::newRow("formula booleans and errors")
        << u"formulas.xls"_s << 3 << 1
        << QStringList{u"2"_s, u"24"_s, u"TRUE"_s, u"#DIV/0!"_s, u"#N/A"_s};
    QTest::newRow("formula date") << u"formulas.xls"_s << 3 << 2
                                  << QStringList{u"3"_s, u"-5"_s, u"ab"_s.repeated(150), u"名字"_s,
                                                 u"2024-03-05"_s};
    QTest::newRow("formula strings in the mini stream")
        << u"gnumeric_biff8.xls"_s << 4 << 0
        << QStringList{u"1"_s, u"12"_s, u"北京大学"_s, u"张三"_s, u"3.5"_s};
    QTest::newRow("empty formula string")
        << u"gnumeric_biff8.xls"_s << 4 << 1
        << QStringList{u"2"_s, u"24"_s, u"TRUE"_s, u"#DIV/0!"_s, u""_s};
    QTest::newRow("long formula string")
        << u"gnumeric_biff8.xls"_s << 4 << 3
        << QStringList{u"4"_s, u"-5"_s, u"长"_s.repeated(300), u"#N/A"_s, u"FALSE"_s};
    QTest::newRow("Excel 95 in code page 936")
        << u"gnumeric_biff5.xls"_s << 4 << 0
        << QStringList{u"1"_s, u"12"_s, u"北京大学"_s, u"张三"_s, u"教授"_s};
    QTest::newRow("Excel 95 formulas")
        << u"gnumeric_biff5.xls"_s << 4 << 1
        << QStringList{u"2"_s, u"13"_s, u"abcd"_s, u"3.25"_s, u"TRUE"_s};
    QTest::newRow("Excel 95 text ID and empty cell")
        << u"gnumeric_biff5.xls"_s << 4 << 2
        << QStringList{u"3"_s, u"14"_s, u"中国科学院"_s, u""_s, u"院士"_s};
    QTest::newRow("dates") << u"dates.xls"_s << 15 << 0
                           << QStringList{u"1"_s, u"0"_s, u"2024-03-05"_s, u""_s, u""_s};
    QTest::newRow("time") << u"dates.xls"_s << 15 << 1
                          << QStringList{u"2"_s, u"0"_s, u"13:45:30"_s, u""_s, u""_s};
    QTest::newRow("date in the 1904 system")
        << u"dates1904.xls"_s << 15 << 3
        << QStringList{u"4"_s, u"0"_s, u"2008-08-08"_s, u""_s, u""_s};
    QTest::newRow("number formats do not change the number")
        << u"dates.xls"_s << 15 << 11 << QStringList{u"12"_s, u"0"_s, u"12345.678"_s, u""_s, u""_s};
    QTest::newRow("over 7 MB") << u"large.xls"_s << 30000 << 29999
                               << QStringList{u"30000"_s, u"30000"_s,
                                              u"单位30000"_s + u"甲"_s.repeated(60),
                                              u"名字30000"_s + u"乙"_s.repeated(40), u"15000"_s};
}

void TestExcelReader::readsWorkbooksOfEveryWriter() {
    QFETCH(QString, book);
    QFETCH(int, count);
    QFETCH(int, position);
    QFETCH(QStringList, entry);
    WorkbookReader reader;
    QString error;
    const QList<NameRecord> got = readNames(reader, fixture(book), &error);
    QCOMPARE(error, QString());
    QCOMPARE(got.size(), count);
    if (position >= 0)
        QCOMPARE(fields(got[position]), entry);
}

void TestExcelReader::noSheet1() {
    WorkbookReader reader;
    QVERIFY(reader.openWorkbook(fixture(u"no_sheet1.xls"_s)));
    NameList list;
    QVERIFY_THROWS_EXCEPTION(WorkbookError, reader.readNameList(list));
    QCOMPARE(list.count(), 0);
    QVERIFY(!reader.isOpen());
    QString error;
    readNames(reader, fixture(u"no_sheet1.xls"_s), &error);
    QCOMPARE(error, texts::noSheet());
}

void TestExcelReader::threeColumns() {
    // The sheet is named "sheet1": the name is compared without regard to case.
    WorkbookReader reader;
    QVERIFY(reader.openWorkbook(fixture(u"three_columns.xls"_s)));
    NameList list;
    try {
        reader.readNameList(list);
        QFAIL("no error for a missing column");
    } catch (const WorkbookError &e) {
        QCOMPARE(e.text(), texts::tooFewColumns());
    }
    QVERIFY(!reader.isOpen());
    // The first entry stays, its missing column empty.
    QCOMPARE(list.count(), 1);
    QCOMPARE(fields(list.at(0)), (QStringList{u"1"_s, u"8"_s, u"财政局"_s, u"刘洋"_s, u""_s}));

    // An address row is not handed over when one of its columns is missing.
    QVERIFY(reader.openWorkbook(fixture(u"three_columns.xls"_s)));
    int handed = 0;
    QVERIFY_THROWS_EXCEPTION(WorkbookError,
                             reader.readAddressRows([&](const AddressRecord &) { ++handed; }));
    QCOMPARE(handed, 0);
    QVERIFY(!reader.isOpen());
}

void TestExcelReader::addressRows() {
    WorkbookReader reader;
    QVERIFY(reader.openWorkbook(fixture(u"addresses.xls"_s)));
    QList<QStringList> got;
    QVERIFY(reader.readAddressRows([&](const AddressRecord &a) {
        got.append({a.id, a.address, a.mask, a.gateway});
    }));
    QVERIFY(!reader.isOpen());
    const QList<QStringList> want = {
        {u"12"_s, u"192.168.1.100"_s, u"255.255.255.0"_s, u"192.168.1.1"_s},
        {u"13"_s, u"192.168.1.101"_s, u""_s, u"192.168.1.1"_s},
        {u"14"_s, u"10.0.0.7"_s, u"255.0.0.0"_s, u"10.0.0.1"_s},
    };
    QCOMPARE(got, want);
}

void TestExcelReader::addressConsumerErrorClosesWorkbook() {
    // The export's own failure (say, a file it cannot write) passes through the reader.
    WorkbookReader reader;
    QVERIFY(reader.openWorkbook(fixture(u"addresses.xls"_s)));
    int handed = 0;
    QVERIFY_THROWS_EXCEPTION(WorkbookError, reader.readAddressRows([&](const AddressRecord &) {
        if (++handed == 2)
            throw WorkbookError(u"写入失败"_s);
    }));
    QCOMPARE(handed, 2);
    QVERIFY(!reader.isOpen());
}

void TestExcelReader::openFailures_data() {
    QTest::addColumn<QString>("name");       // a file written into a temporary folder
    QTest::addColumn<QByteArray>("content"); // or, when null, not written at all
    QTest::addColumn<QString>("error");

    const QByteArray book = readFile(fixture(u"duplicates.xls"_s));
    QVERIFY(!book.isEmpty());
    const QString failed = texts::openFailed();
    const QString error = texts::openError();
    QTest::newRow("missing file") << u"missing.xls"_s << QByteArray() << failed;
    QTest::newRow("folder") << u"."_s << QByteArray() << failed;
    QTest::newRow("missing parent") << u"no/such/book.xls"_s << QByteArray() << failed;
    QTest::newRow("empty file") << u"empty.xls"_s << QByteArray("") << error + texts::notWorkbook();
    QTest::newRow("text file") << u"names.xls"_s << QByteArray("ID,单位,名字,职位\n1,a,b,c\n")
                               << error + texts::notWorkbook();
    QRandomGenerator random(4);
    QByteArray noise(20000, Qt::Uninitialized);
    for (char &c : noise)
        c = char(random.bounded(256));
    QTest::newRow("random bytes") << u"noise.xls"_s << noise << error + texts::notWorkbook();
    QTest::newRow("random bytes after the signature")
        << u"noise2.xls"_s << book.left(8) + noise << error + texts::damagedContainer();
    QTest::newRow("header only") << u"cut.xls"_s << book.left(512)
                                 << error + texts::damagedContainer();
    QTest::newRow("cut in half") << u"half.xls"_s << book.left(book.size() / 2)
                                 << error + texts::damagedContainer();

    QByteArray renamed = book;
    const QByteArray name =
        QByteArray::fromRawData(reinterpret_cast<const char *>(u"Workbook"), 16);
    renamed[renamed.lastIndexOf(name) + 2] = 'X';
    QTest::newRow("no workbook stream")
        << u"other.xls"_s << renamed << error + texts::noWorkbookStream();

    // xlwt writes the workbook stream from the first sector on.
    QByteArray old = book;
    QCOMPARE(old.mid(512, 8), QByteArray::fromHex("0908100000060500"));
    old[516] = 0x00;
    old[517] = 0x04;
    QTest::newRow("BIFF4") << u"old.xls"_s << old << error + texts::unsupportedVersion();

    // A FILEPASS record in place of the first record after BOF.
    QByteArray locked = book;
    const qsizetype next = 512 + 4 + qFromLittleEndian<uint16_t>(book.constData() + 514);
    locked[next] = 0x2F;
    locked[next + 1] = 0x00;
    QTest::newRow("password") << u"locked.xls"_s << locked << error + texts::encrypted();
}

void TestExcelReader::openFailures() {
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, error);
    TempWorkDir dir;
    if (!content.isNull())
        dir.write(name, content);
    WorkbookReader reader;
    QVERIFY(!reader.openWorkbook(dir.file(name)));
    QCOMPARE(reader.getErrorText(), error);
    QVERIFY(!reader.isOpen());
}

void TestExcelReader::errorTextStaysUntilNextFailure() {
    WorkbookReader reader;
    QCOMPARE(reader.getErrorText(), QString());
    QVERIFY(!reader.openWorkbook(u"/no/such/file.xls"_s));
    QVERIFY(reader.openWorkbook(fixture(u"ids.xls"_s)));
    QCOMPARE(reader.getErrorText(), texts::openFailed());
    reader.closeWorkbook();
    QVERIFY(!reader.isOpen());
    reader.closeWorkbook();
}

void TestExcelReader::damagedSheetRecord() {
    // The first shared-string cell of the only sheet points past the string table.
    QByteArray book = readFile(fixture(u"duplicates.xls"_s));
    const qsizetype cell = book.indexOf(QByteArray::fromHex("fd000a00"));
    QVERIFY(cell > 0);
    book.replace(cell + 10, 4, QByteArray(4, char(0xFF)));
    TempWorkDir dir;
    dir.write(u"bad.xls"_s, book);

    WorkbookReader reader;
    QString error;
    QVERIFY(readNames(reader, dir.file(u"bad.xls"_s), &error).isEmpty());
    QCOMPARE(error, texts::damagedSheet());
    QVERIFY(!reader.isOpen());
}

void TestExcelReader::loopInAllocationTable() {
    // The workbook stream's first sector names itself as the next: a chain without end.
    QByteArray book = readFile(fixture(u"duplicates.xls"_s));
    uint32_t start = 0;
    const qsizetype entry = workbookFatEntry(book, &start);
    qToLittleEndian(start, book.data() + entry);
    TempWorkDir dir;
    dir.write(u"loop.xls"_s, book);
    WorkbookReader reader;
    QVERIFY(!reader.openWorkbook(dir.file(u"loop.xls"_s)));
    QCOMPARE(reader.getErrorText(), texts::openError() + texts::damagedContainer());
}

void TestExcelReader::damagedFilesNeverCrash_data() {
    QTest::addColumn<QString>("book");
    for (const char *book : {"ids.xls", "many_strings.xls", "formulas.xls", "gnumeric_biff8.xls",
                             "gnumeric_biff5.xls"})
        QTest::newRow(book) << QString::fromLatin1(book);
}

void TestExcelReader::damagedFilesNeverCrash() {
    // Cut and scrambled copies either fail with one of the reader's messages or read; they
    // never crash or hang.
    QFETCH(QString, book);
    const QByteArray original = readFile(fixture(book));
    QVERIFY(!original.isEmpty());
    TempWorkDir dir;
    const QString path = dir.file(u"damaged.xls"_s);
    QRandomGenerator random(qHash(book));
    const QStringList sheetErrors = {texts::noSheet(), texts::tooFewColumns(),
                                     texts::damagedSheet()};
    int opened = 0;
    for (int round = 0; round < 300; ++round) {
        QByteArray damaged = original;
        if (round < 60) {
            damaged.truncate(qsizetype(random.bounded(qint64(original.size()))));
        } else {
            // Scramble a few bytes, mostly inside the workbook stream's records.
            const int flips = 1 + int(random.bounded(8));
            for (int i = 0; i < flips; ++i)
                damaged[random.bounded(qint64(original.size()))] = char(random.bounded(256));
        }
        dir.write(u"damaged.xls"_s, damaged);
        WorkbookReader reader;
        if (!reader.openWorkbook(path)) {
            QVERIFY(reader.getErrorText().startsWith(texts::openError()));
            continue;
        }
        ++opened;
        NameList list;
        try {
            reader.readNameList(list);
        } catch (const WorkbookError &e) {
            QVERIFY2(sheetErrors.contains(e.text()), qPrintable(e.text()));
        }
        QVERIFY(!reader.isOpen());
    }
    QVERIFY(opened > 0);
}

void TestExcelReader::readTwiceAndClose() {
    WorkbookReader reader;
    const QList<NameRecord> first = readNames(reader, fixture(u"duplicates.xls"_s));
    const QList<NameRecord> second = readNames(reader, fixture(u"duplicates.xls"_s));
    QCOMPARE(first.size(), 3);
    QCOMPARE(second.size(), 3);
    for (qsizetype i = 0; i < first.size(); ++i)
        QCOMPARE(fields(first[i]), fields(second[i]));

    // A read without an open workbook is refused.
    NameList list;
    QVERIFY_THROWS_EXCEPTION(WorkbookError, reader.readNameList(list));
}

QTEST_GUILESS_MAIN(TestExcelReader)
#include "test_excelreader.moc"
