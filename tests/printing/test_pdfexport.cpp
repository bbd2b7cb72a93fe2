#include <QSignalSpy>
#include <QtTest>

#include "pdftools.h"
#include "printing/pdfexport.h"
#include "printing/printoptions.h"
#include "printing/tablecards.h"

using namespace delvora;
using namespace delvora::test;

Q_DECLARE_METATYPE(delvora::PdfOutcome)

namespace {

QList<PlateTexts> cards(int count) {
    QList<PlateTexts> texts;
    for (int i = 0; i < count; ++i)
        texts.append({QStringLiteral("单位%1").arg(i), QStringLiteral("姓名%1").arg(i),
                      QStringLiteral("职位")});
    return texts;
}

QStringList filesIn(const QString &folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
}

} // namespace

class TestPdfExport : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qRegisterMetaType<delvora::PdfOutcome>(); }
    void pathThatCannotBeWritten_data();
    void pathThatCannotBeWritten();
    void stoppedExportLeavesNoFile();
    void exportBesideTheWindow();
    void cancelledExportBesideTheWindow();
};

void TestPdfExport::pathThatCannotBeWritten_data() {
    QTest::addColumn<QString>("relative");
    QTest::newRow("missing folder") << QStringLiteral("missing/cards.pdf");
    QTest::newRow("a file as folder") << QStringLiteral("plain.txt/cards.pdf");
    QTest::newRow("a folder as file") << QStringLiteral("folder");
}

void TestPdfExport::pathThatCannotBeWritten() {
    QFETCH(QString, relative);
    ShippedDesign shipped;
    const QString root = shipped.dir().path();
    shipped.dir().write(QStringLiteral("plain.txt"), "text");
    QDir(root).mkdir(QStringLiteral("folder"));
    const QStringList before = filesIn(root);
    const QString path = shipped.dir().file(relative);
    QCOMPARE(writePdf(TableCards(shipped.look(), cards(2), 10), PrintOptions().pageLayout(), path),
             PdfOutcome::CannotWrite);
    QCOMPARE(filesIn(root), before);
    QVERIFY(QFileInfo(path).isDir() || !QFileInfo::exists(path));
    QVERIFY(filesIn(shipped.dir().file(QStringLiteral("folder"))).isEmpty());
}

void TestPdfExport::stoppedExportLeavesNoFile() {
    ShippedDesign shipped;
    const QStringList before = filesIn(shipped.dir().path());
    const QString path = shipped.dir().file(QStringLiteral("cards.pdf"));
    QList<int> seen;
    const auto outcome = writePdf(TableCards(shipped.look(), cards(5), 10),
                                  PrintOptions().pageLayout(), path, [&](int done, int total) {
                                      seen << done;
                                      return !(done == 2 && total == 5);
                                  });
    QCOMPARE(outcome, PdfOutcome::Cancelled);
    QCOMPARE(seen, QList<int>({1, 2}));
    QCOMPARE(filesIn(shipped.dir().path()), before);

    // An older file of that name stays as it was.
    shipped.dir().write(QStringLiteral("cards.pdf"), "older");
    writePdf(TableCards(shipped.look(), cards(5), 10), PrintOptions().pageLayout(), path,
             [](int, int) { return false; });
    QCOMPARE(shipped.dir().read(QStringLiteral("cards.pdf")), QByteArray("older"));
}

void TestPdfExport::exportBesideTheWindow() {
    ShippedDesign shipped;
    const QString path = shipped.dir().file(QStringLiteral("cards.pdf"));
    PdfExport job;
    QSignalSpy progress(&job, &PdfExport::progress);
    QSignalSpy finished(&job, &PdfExport::finished);
    QVERIFY(job.start(std::make_shared<TableCards>(shipped.look(), cards(4), 10),
                      PrintOptions().pageLayout(), path));
    QVERIFY(job.isRunning());
    QVERIFY(!job.start(std::make_shared<TableCards>(shipped.look(), cards(1), 10),
                       PrintOptions().pageLayout(), path));
    QVERIFY(finished.wait(60000));
    QCOMPARE(finished.at(0).at(0).value<PdfOutcome>(), PdfOutcome::Written);
    QCOMPARE(finished.at(0).at(1).toString(), path);
    QVERIFY(!job.isRunning());
    QCOMPARE(progress.size(), 4);
    QCOMPARE(progress.last().at(0).toInt(), 4);
    QCOMPARE(progress.last().at(1).toInt(), 4);
    if (havePoppler())
        QCOMPARE(pdfInfo(path).pages, 4);
}

void TestPdfExport::cancelledExportBesideTheWindow() {
    ShippedDesign shipped;
    const QStringList before = filesIn(shipped.dir().path());
    PdfExport job;
    QSignalSpy finished(&job, &PdfExport::finished);
    connect(&job, &PdfExport::progress, &job, [&job](int done) {
        if (done == 1)
            job.cancel();
    });
    QVERIFY(job.start(std::make_shared<TableCards>(shipped.look(), cards(200), 10),
                      PrintOptions().pageLayout(), shipped.dir().file(QStringLiteral("c.pdf"))));
    QVERIFY(finished.wait(60000));
    QCOMPARE(finished.at(0).at(0).value<PdfOutcome>(), PdfOutcome::Cancelled);
    QCOMPARE(filesIn(shipped.dir().path()), before);
}

QTEST_MAIN(TestPdfExport)
#include "test_pdfexport.moc"
