#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

#include "namelist/namelistwriter.h"
#include "support/tempworkdir.h"

using namespace delvora;
using namespace delvora::test;
using namespace Qt::StringLiterals;

namespace {

const QList<NameRecord> kEntries = {
    {1, u"101"_s, u"国务院办公厅"_s, u"王小明"_s, u"秘书长"_s},
    {2, u""_s, u"北京, 海淀"_s, u"李\"华\""_s, u""_s},
    {3, u"12a"_s, u"两行\n单位"_s, u"Ünïcode 𠀀"_s, u"院士"_s},
};

// What the independent reader makes of a saved file.
QJsonObject readBack(const QString &path) {
    QProcess python;
    python.start(QStringLiteral(DELVORA_PYTHON3),
                 {QStringLiteral(DELVORA_FIXTURE_SCRIPTS "/read_saved.py"), path});
    if (!python.waitForFinished(30000) || python.exitCode() != 0) {
        qWarning() << python.readAllStandardError();
        return {};
    }
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}

QJsonArray row(std::initializer_list<QJsonValue> cells) {
    return QJsonArray(cells);
}

} // namespace

// Saving the name list: the files other programs read, and failures that keep the old file.
class TestNameListSave : public QObject {
    Q_OBJECT
private slots:
    void xlsxReadByOpenpyxl();
    void csvReadByPythonWithBom();
    void formatFollowsTheSuffix();
    void failedSaveKeepsTheOldFile();
    void readOnlyFolderReportsAndKeepsTheOldFile();
};

void TestNameListSave::xlsxReadByOpenpyxl() {
    TempWorkDir dir;
    const QString path = dir.file(u"名单.xlsx"_s);
    QCOMPARE(NameListWriter::write(path, kEntries, NameListWriter::Format::Xlsx), QString());
    const QJsonObject got = readBack(path);
    QCOMPARE(got[u"sheets"_s].toArray(), QJsonArray{u"Sheet1"_s});
    const QJsonArray rows = got[u"rows"_s].toArray();
    QCOMPARE(rows.size(), 4);
    QCOMPARE(rows[0].toArray(), row({u"ID"_s, u"单位名称"_s, u"名字"_s, u"职位"_s}));
    // A plain number is a number, other IDs stay text; empty cells are empty.
    QCOMPARE(rows[1].toArray(),
             row({QJsonObject{{u"int"_s, 101}}, u"国务院办公厅"_s, u"王小明"_s, u"秘书长"_s}));
    QCOMPARE(rows[2].toArray(),
             row({QJsonValue::Null, u"北京, 海淀"_s, u"李\"华\""_s, QJsonValue::Null}));
    QCOMPARE(rows[3].toArray(), row({u"12a"_s, u"两行\n单位"_s, u"Ünïcode 𠀀"_s, u"院士"_s}));
    // Nothing is left beside it.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"名单.xlsx"_s});
}

void TestNameListSave::csvReadByPythonWithBom() {
    TempWorkDir dir;
    const QString path = dir.file(u"名单.csv"_s);
    QCOMPARE(NameListWriter::write(path, kEntries, NameListWriter::Format::Csv), QString());
    QVERIFY(dir.read(u"名单.csv"_s).startsWith("\xEF\xBB\xBFID,"));
    const QJsonObject got = readBack(path);
    QVERIFY(got[u"bom"_s].toBool());
    QJsonArray expected{row({u"ID"_s, u"单位名称"_s, u"名字"_s, u"职位"_s})};
    for (const NameRecord &e : kEntries)
        expected.append(row({e.id, e.organisation, e.name, e.title}));
    QCOMPARE(got[u"rows"_s].toArray(), expected);
}

void TestNameListSave::formatFollowsTheSuffix() {
    QCOMPARE(NameListWriter::formatOf(u"a/b.CSV"_s), NameListWriter::Format::Csv);
    QCOMPARE(NameListWriter::formatOf(u"a/b.xlsx"_s), NameListWriter::Format::Xlsx);
    QCOMPARE(NameListWriter::formatOf(u"a/b"_s), NameListWriter::Format::Xlsx);
}

void TestNameListSave::failedSaveKeepsTheOldFile() {
    TempWorkDir dir;
    // A folder where the file should be, and a file where a folder should be.
    QVERIFY(QDir(dir.path()).mkpath(u"taken.xlsx/inside"_s));
    dir.write(u"plain"_s, "old");
    for (const QString &target : {dir.file(u"taken.xlsx"_s), dir.file(u"plain/x.csv"_s)}) {
        for (auto format : {NameListWriter::Format::Xlsx, NameListWriter::Format::Csv}) {
            const QString error = NameListWriter::write(target, kEntries, format);
            QVERIFY2(!error.isEmpty(), qPrintable(target));
        }
    }
    QVERIFY(QFileInfo(dir.file(u"taken.xlsx/inside"_s)).isDir());
    QCOMPARE(dir.read(u"plain"_s), QByteArray("old"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             (QStringList{u"plain"_s, u"taken.xlsx"_s}));
}

void TestNameListSave::readOnlyFolderReportsAndKeepsTheOldFile() {
    TempWorkDir dir;
    QVERIFY(QDir(dir.path()).mkdir(u"locked"_s));
    const QString folder = dir.file(u"locked"_s);
    const QString target = folder + u"/名单.xlsx"_s;
    QCOMPARE(NameListWriter::write(target, kEntries.mid(0, 1), NameListWriter::Format::Xlsx),
             QString());
    const QByteArray old = [&] {
        QFile f(target);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    QFile probe(folder + u"/probe"_s);
    if (probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QSKIP("permission bits do not stop this user");
    }
    const QString error = NameListWriter::write(target, kEntries, NameListWriter::Format::Xlsx);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(!error.isEmpty());
    QFile f(target);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), old);
}

QTEST_MAIN(TestNameListSave)
#include "test_namelistsave.moc"
