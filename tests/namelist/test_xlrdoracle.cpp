#include <QtTest>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <map>

#include "fixtures.h"
#include "sheets/biffrecordstream.h"
#include "sheets/celltext.h"
#include "sheets/compounddocument.h"
#include "sheets/sheetreader.h"
#include "sheets/workbook.h"

using namespace delvora;
using namespace Qt::StringLiterals;

namespace {

QByteArray readFile(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString kindName(CellValue::Type type) {
    switch (type) {
    case CellValue::Type::Number:
        return u"number"_s;
    case CellValue::Type::Date:
        return u"date"_s;
    case CellValue::Type::Text:
        return u"text"_s;
    case CellValue::Type::Boolean:
        return u"boolean"_s;
    case CellValue::Type::Error:
        return u"error"_s;
    case CellValue::Type::Empty:
        break;
    }
    return u"empty"_s;
}

} // namespace

// Every workbook written by a real writer must read exactly as xlrd reads it: the same
// worksheets, used ranges, cell kinds and values.
class TestXlrdOracle : public QObject {
    Q_OBJECT
private slots:
    void sameAsXlrd_data();
    void sameAsXlrd();
    void fixturesReachTheirContainerCases();
};

void TestXlrdOracle::sameAsXlrd_data() {
    QTest::addColumn<QString>("book");
    const QStringList books =
        QDir(QStringLiteral(DELVORA_FIXTURES)).entryList({u"*.xls"_s}, QDir::Files, QDir::Name);
    QVERIFY(books.size() >= 15);
    for (const QString &book : books)
        QTest::newRow(qPrintable(book)) << book;
}

void TestXlrdOracle::sameAsXlrd() {
    QFETCH(QString, book);
    const QJsonObject expected =
        QJsonDocument::fromJson(readFile(fixture(QString(book).replace(u".xls"_s, u".json"_s))))
            .object();
    QVERIFY(!expected.isEmpty());

    const CompoundDocument document(readFile(fixture(book)));
    std::optional<QByteArray> stream = document.stream(u"Workbook");
    if (!stream)
        stream = document.stream(u"Book");
    QVERIFY(stream);
    QCOMPARE(stream->size(), expected[u"streamSize"_s].toInteger());
    const Workbook workbook(*stream);
    QCOMPARE(workbook.biffVersion() * 10, expected[u"biff"_s].toInt());
    QCOMPARE(workbook.dates1904(), expected[u"datemode"_s].toInt() == 1);

    std::vector<const SheetEntry *> worksheets;
    for (const SheetEntry &sheet : workbook.sheets())
        if (sheet.kind == 0)
            worksheets.push_back(&sheet);
    const QJsonArray sheets = expected[u"sheets"_s].toArray();
    QCOMPARE(qsizetype(worksheets.size()), sheets.size());

    for (qsizetype s = 0; s < sheets.size(); ++s) {
        const QJsonObject want = sheets[s].toObject();
        QCOMPARE(worksheets[size_t(s)]->name, want[u"name"_s].toString());

        struct Collect : CellSink {
            std::map<std::pair<int, int>, CellValue> cells;
            void cell(int r, int c, CellValue &v) override {
                if (v.type == CellValue::Type::Empty)
                    cells.erase({r, c});
                else
                    cells[{r, c}] = v;
            }
        } collect;
        SheetRange range;
        try {
            range = SheetReader::read(workbook, *worksheets[size_t(s)], collect);
        } catch (const BiffDamage &) {
            QFAIL("sheet read as damaged");
        }
        const auto &cells = collect.cells;
        QCOMPARE(range.rows, want[u"rows"_s].toInt());
        QCOMPARE(range.columns, want[u"columns"_s].toInt());

        const QJsonArray wantCells = want[u"cells"_s].toArray();
        QCOMPARE(qsizetype(cells.size()), wantCells.size());
        for (const QJsonValue &item : wantCells) {
            const QJsonArray w = item.toArray();
            const int r = w[0].toInt();
            const int c = w[1].toInt();
            const auto found = cells.find({r, c});
            const QByteArray where = QByteArray::number(r) + ',' + QByteArray::number(c);
            QVERIFY2(found != cells.end(), where.constData());
            const CellValue &got = found->second;
            const QString kind = w[2].toString();
            QVERIFY2(kindName(got.type) == kind, where + ": " + kindName(got.type).toUtf8());
            if (kind == u"text"_s)
                QVERIFY2(got.textValue() == w[3].toString(), where.constData());
            else
                QVERIFY2(got.number == w[3].toDouble(), where.constData());
            // The ISO text of a date agrees with xlrd's own date conversion.
            if (kind == u"date"_s && w.size() > 4 && !w[4].isNull())
                QCOMPARE(cellText(got, workbook.dates1904()), w[4].toString());
        }
    }
}

void TestXlrdOracle::fixturesReachTheirContainerCases() {
    const auto info = [](const QString &name) {
        return QJsonDocument::fromJson(readFile(fixture(name))).object();
    };
    // Small workbooks that live in the mini stream, in both versions.
    for (const QString &name : {u"gnumeric_biff8.json"_s, u"gnumeric_biff5.json"_s}) {
        const QJsonObject o = info(name);
        QVERIFY2(o[u"streamSize"_s].toInteger() < o[u"miniCutoff"_s].toInteger(), qPrintable(name));
    }
    QCOMPARE(info(u"gnumeric_biff5.json"_s)[u"biff"_s].toInt(), 50);
    // Over 109 allocation table sectors: the header cannot list them all.
    QVERIFY(QFileInfo(fixture(u"large.xls"_s)).size() > 109 * 128 * 512);
}

QTEST_APPLESS_MAIN(TestXlrdOracle)
#include "test_xlrdoracle.moc"
