#include <QtTest>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "fixtures.h"
#include "namelist/workbookreader.h"
#include "namelist/namelist.h"
#include "sheets/workbookerror.h"

using namespace delvora;
using namespace Qt::StringLiterals;

namespace {

// Every entry as its four texts, or the error text alone.
QList<QStringList> readEntries(const QString &path) {
    WorkbookReader reader;
    if (!reader.openWorkbook(path))
        return {{reader.getErrorText()}};
    NameList list;
    try {
        reader.readNameList(list);
    } catch (const WorkbookError &e) {
        return {{e.text()}};
    }
    QList<QStringList> out;
    for (const NameRecord &e : list.entries())
        out << QStringList{e.id, e.organisation, e.name, e.title};
    return out;
}

} // namespace

// Name lists written as .xlsx, .ods and text by independent writers read exactly as an
// independent reader of each format reads them, through the same cell rules; one list saved
// in every format reads the same everywhere.
class TestSheetOracle : public QObject {
    Q_OBJECT
private slots:
    void sameAsOracle_data();
    void sameAsOracle();
    void sameListInEveryFormat();
};

void TestSheetOracle::sameAsOracle_data() {
    QTest::addColumn<QString>("file");
    const QStringList files =
        QDir(QStringLiteral(DELVORA_FIXTURES))
            .entryList({u"*.xlsx"_s, u"*.ods"_s, u"*.csv"_s, u"*.txt"_s}, QDir::Files, QDir::Name);
    QVERIFY(files.size() >= 18);
    for (const QString &file : files)
        QTest::newRow(qPrintable(file)) << file;
}

void TestSheetOracle::sameAsOracle() {
    QFETCH(QString, file);
    QFile json(fixture(file + u".json"_s));
    QVERIFY(json.open(QIODevice::ReadOnly));
    const QJsonObject expected = QJsonDocument::fromJson(json.readAll()).object();
    QList<QStringList> entries;
    for (const QJsonValue &row : expected[u"entries"_s].toArray()) {
        QStringList texts;
        for (const QJsonValue &text : row.toArray())
            texts << text.toString();
        entries << texts;
    }
    QVERIFY(expected[u"columns"_s].toInt() >= 4);
    QCOMPARE(readEntries(fixture(file)), entries);
}

void TestSheetOracle::sameListInEveryFormat() {
    const QList<QStringList> xls = readEntries(fixture(u"same.xls"_s));
    QCOMPARE(xls.size(), 7);
    for (const QString &other : {u"same.xlsx"_s, u"same.ods"_s, u"same.csv"_s})
        QCOMPARE(readEntries(fixture(other)), xls);
}

QTEST_GUILESS_MAIN(TestSheetOracle)
#include "test_sheetoracle.moc"
