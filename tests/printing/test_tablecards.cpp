#include <QtTest>

#include "pdftools.h"
#include "printing/pdfexport.h"
#include "printing/printoptions.h"
#include "printing/tablecards.h"

using namespace delvora;
using namespace delvora::test;

namespace {

const QList<PlateTexts> kCards = {
    {QStringLiteral("东方电气集团"), QStringLiteral("张伟明"), QStringLiteral("董事长")},
    {QStringLiteral("华北电力大学"), QStringLiteral("李娜娜"), QStringLiteral("教授")},
    // Latin text and digits are searchable too.
    {QStringLiteral("Acme Energy 2024"), QStringLiteral("John Smith"), QStringLiteral("CEO")},
};

// Mean difference of two grey pictures of one size, 0 to 255, with `b` shifted by up to two
// pixels either way to where it matches best (the two halves fall differently on the pixels).
double meanDifference(const QImage &a, const QImage &b) {
    constexpr int kShift = 2;
    double best = 255;
    for (int dy = -kShift; dy <= kShift; ++dy)
        for (int dx = -kShift; dx <= kShift; ++dx) {
            double sum = 0;
            for (int y = kShift; y < a.height() - kShift; ++y) {
                const uchar *la = a.constScanLine(y);
                const uchar *lb = b.constScanLine(y + dy);
                for (int x = kShift; x < a.width() - kShift; ++x)
                    sum += std::abs(int(la[x]) - int(lb[x + dx]));
            }
            best =
                std::min(best, sum / (double(a.width() - 2 * kShift) * (a.height() - 2 * kShift)));
        }
    return best;
}

} // namespace

class TestTableCards : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (!havePoppler())
            QSKIP("poppler-utils (pdfinfo, pdftotext, pdftoppm) is not installed");
    }
    void oneSheetPerCardOfTheChosenPaper_data();
    void oneSheetPerCardOfTheChosenPaper();
    void upperFaceIsTurned();
    void facesKeepThePlateShapeWithinTheMargin();
};

void TestTableCards::oneSheetPerCardOfTheChosenPaper_data() {
    QTest::addColumn<int>("paper");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<bool>("plain");
    QTest::newRow("A4 landscape") << int(QPageSize::A4) << int(QPageLayout::Landscape) << false;
    QTest::newRow("A5 portrait, no background")
        << int(QPageSize::A5) << int(QPageLayout::Portrait) << true;
    QTest::newRow("Letter landscape")
        << int(QPageSize::Letter) << int(QPageLayout::Landscape) << false;
}

void TestTableCards::oneSheetPerCardOfTheChosenPaper() {
    QFETCH(int, paper);
    QFETCH(int, orientation);
    QFETCH(bool, plain);
    ShippedDesign shipped;
    PrintOptions options;
    options.paper = QPageSize::PageSizeId(paper);
    options.orientation = QPageLayout::Orientation(orientation);
    const QString pdf = shipped.dir().file(QStringLiteral("cards.pdf"));
    const TableCards cards(shipped.look(plain), kCards, options.margin);
    QCOMPARE(writePdf(cards, options.pageLayout(), pdf), PdfOutcome::Written);

    const PdfInfo info = pdfInfo(pdf);
    QCOMPARE(info.pages, 3);
    const QSizeF expected = options.pageLayout().fullRect(QPageLayout::Point).size();
    QVERIFY2(std::abs(info.pageSize.width() - expected.width()) < 1 &&
                 std::abs(info.pageSize.height() - expected.height()) < 1,
             qPrintable(
                 QStringLiteral("%1 x %2").arg(info.pageSize.width()).arg(info.pageSize.height())));

    for (int page = 0; page < kCards.size(); ++page) {
        const QString text = pdfPageText(pdf, page + 1);
        for (int other = 0; other < kCards.size(); ++other) {
            const int expectedCount = other == page ? 2 : 0;
            QCOMPARE(text.count(kCards[other].name), expectedCount);
            QCOMPARE(text.count(kCards[other].organisation), expectedCount);
        }
    }
}

void TestTableCards::upperFaceIsTurned() {
    // On the rasterised sheet the upper half, turned half round, is the lower half: both faces
    // read upright once the card is folded and stood up.
    ShippedDesign shipped;
    const QString pdf = shipped.dir().file(QStringLiteral("cards.pdf"));
    const PrintOptions options;
    QCOMPARE(writePdf(TableCards(shipped.look(), kCards.mid(0, 1), options.margin),
                      options.pageLayout(), pdf),
             PdfOutcome::Written);
    const QImage sheet = pdfPageImage(pdf, 1, 100);
    QVERIFY(!sheet.isNull());
    const int half = sheet.height() / 2;
    const QImage upper = sheet.copy(0, 0, sheet.width(), half);
    const QImage lower = sheet.copy(0, sheet.height() - half, sheet.width(), half);
    const QImage turned = upper.mirrored(true, true);
    const double asTurned = meanDifference(turned, lower);
    const double asIs = meanDifference(upper, lower);
    QVERIFY2(asTurned < 3 && asIs > 3 * asTurned + 1,
             qPrintable(QStringLiteral("turned %1, as is %2").arg(asTurned).arg(asIs)));
}

void TestTableCards::facesKeepThePlateShapeWithinTheMargin() {
    ShippedDesign shipped;
    const QSizeF a4(297, 210);
    for (const qreal margin : {0.0, 10.0, 25.0}) {
        const QRectF face = TableCards(shipped.look(), kCards, margin).lowerFace(a4);
        QCOMPARE(face.width() / face.height(), 1024.0 / 600.0);
        QVERIFY(face.top() >= 105 + margin - 1e-9 && face.bottom() <= 210 - margin + 1e-9);
        QVERIFY(face.left() >= margin && face.right() <= 297 - margin);
        QCOMPARE(face.center().x(), 297 / 2.0);
        // As large as the half allows: the height fills it.
        QCOMPARE(face.height(), 105 - 2 * margin);
    }
}

QTEST_MAIN(TestTableCards)
#include "test_tablecards.moc"
