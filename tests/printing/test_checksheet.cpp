#include <QtTest>

#include "namelist/namelist.h"
#include "namelist/namelisttexts.h"
#include "namelist/overflowmarks.h"
#include "pdftools.h"
#include "printing/checksheet.h"
#include "printing/pdfexport.h"
#include "printing/printoptions.h"

using namespace delvora;
using namespace delvora::test;

namespace {

const QString kLongName = QStringLiteral("中国科学院计算技术研究所北京分所信息中心主任办公室");

NameRecord entry(int seq, const QString &id, const QString &name) {
    return {seq, id, QStringLiteral("单位"), name, QStringLiteral("主任")};
}

// The word that follows `first` on the same page, or null.
const PdfWord *after(const QList<PdfWord> &words, const QString &first, const QString &second) {
    for (int i = 0; i + 1 < words.size(); ++i)
        if (words[i].text == first && words[i + 1].text == second &&
            words[i].page == words[i + 1].page)
            return &words[i + 1];
    return nullptr;
}

} // namespace

class TestCheckSheet : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (!havePoppler())
            QSKIP("poppler-utils (pdfinfo, pdftotext, pdftoppm) is not installed");
    }
    void everyEntryWithItsMarks();
    void gridFitsThePaper();
};

void TestCheckSheet::everyEntryWithItsMarks() {
    ShippedDesign shipped;
    NameList names;
    QList<NameRecord> records;
    for (int i = 1; i <= 20; ++i)
        records.append(entry(i, QString::number(100 + i), QStringLiteral("姓名%1").arg(i)));
    records[6].name = kLongName;            // 序号 7 does not fit
    records[12].id = QStringLiteral("115"); // 序号 13 and 15 share a plate
    OverflowMarks marks(names, shipped.design());
    names.append(records);
    QCOMPARE(marks.markedCount(), 1);
    QVERIFY(names.overflowRows(6) != 0);

    const QString pdf = shipped.dir().file(QStringLiteral("check.pdf"));
    const CheckSheet sheet(shipped.look(), checkEntries(names), PrintOptions::kDefaultMargin);
    QCOMPARE(writePdf(sheet, PrintOptions().pageLayout(), pdf), PdfOutcome::Written);
    QVERIFY(pdfInfo(pdf).pages >= 2); // 20 pictures do not fit on one sheet of A4

    const QList<PdfWord> words = pdfWords(pdf);
    QVERIFY(!words.isEmpty());
    for (const NameRecord &r : records)
        QVERIFY2(after(words, QStringLiteral("ID"), r.id), qPrintable(r.id));

    // Each mark stands under the caption of its own entry, and nowhere else.
    const QString overflow = texts::overflowMark(names.overflowRows(6));
    const QString shared13 = names.warning(12);
    const QString shared15 = names.warning(14);
    QVERIFY(!shared13.isEmpty() && !shared15.isEmpty());
    const struct {
        QString mark;
        QString seq;
    } cases[] = {{overflow, QStringLiteral("7")},
                 {shared13, QStringLiteral("13")},
                 {shared15, QStringLiteral("15")}};
    for (const auto &c : cases) {
        const PdfWord *seq = after(words, texts::headingSeq(), c.seq);
        QVERIFY(seq);
        QList<PdfWord> found;
        for (const PdfWord &w : words)
            if (w.text == c.mark)
                found << w;
        QCOMPARE(found.size(), 1);
        QCOMPARE(found[0].page, seq->page);
        QVERIFY2(found[0].box.top() > seq->box.top() && found[0].box.top() < seq->box.top() + 30 &&
                     std::abs(found[0].box.left() - seq->box.left()) < 40,
                 qPrintable(c.mark));
    }
}

void TestCheckSheet::gridFitsThePaper() {
    ShippedDesign shipped;
    QList<CheckEntry> entries(50);
    const CheckSheet sheet(shipped.look(), entries, 10);
    for (const QSizeF paper : {QSizeF(297, 210), QSizeF(210, 297), QSizeF(148, 210)}) {
        const QSize grid = sheet.grid(paper);
        QVERIFY(grid.width() >= 1 && grid.height() >= 1);
        const int perPage = grid.width() * grid.height();
        QCOMPARE(sheet.pageCount(paper), (50 + perPage - 1) / perPage);
    }
    // A4 holds more than one row of several pictures either way round.
    QVERIFY(sheet.grid(QSizeF(297, 210)).width() >= 3);
    QVERIFY(sheet.grid(QSizeF(210, 297)).height() >= 4);
}

QTEST_MAIN(TestCheckSheet)
#include "test_checksheet.moc"
