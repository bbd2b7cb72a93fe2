// Table cards for 500 entries written as PDF: the time and the file size per card, with a solid
// background (vector text keeps it small) and with a picture background; the check sheet beside.
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdio>

#include "benchplate.h"
#include "layout/logfont.h"
#include "printing/checksheet.h"
#include "printing/pdfexport.h"
#include "printing/printoptions.h"
#include "printing/tablecards.h"

using namespace delvora;

namespace {

constexpr int kEntries = 500;

QList<NameRecord> entries() {
    const QStringList surnames = {QStringLiteral("张"), QStringLiteral("王"), QStringLiteral("李"),
                                  QStringLiteral("赵"), QStringLiteral("陈")};
    QList<NameRecord> list;
    for (int i = 0; i < kEntries; ++i)
        list.append({i + 1, QString::number(i + 1),
                     QStringLiteral("国家发展和改革委员会第%1司").arg(i % 40 + 1),
                     surnames[i % surnames.size()] + QStringLiteral("伟%1").arg(i),
                     QStringLiteral("副主任")});
    return list;
}

// A background that is no single colour: a gradient with a band.
QImage pictureBackground(QSize size) {
    QImage picture(size, QImage::Format_RGB32);
    QPainter painter(&picture);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, QColor(120, 0, 0));
    gradient.setColorAt(1, QColor(20, 20, 120));
    painter.fillRect(picture.rect(), gradient);
    painter.fillRect(0, size.height() - 60, size.width(), 30, QColor(220, 180, 40));
    return picture;
}

void run(const char *what, const PrintPages &pages, const QString &path, int entries,
         double goalSeconds, double goalKbPerCard) {
    QElapsedTimer timer;
    timer.start();
    const PdfOutcome outcome = writePdf(pages, PrintOptions().pageLayout(), path);
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    const double kb = double(QFileInfo(path).size()) / 1024;
    std::printf("%s: %s, %.2f s (goal <= %.0f s, ratio %.2f), %.0f KB, %.1f KB per entry", what,
                outcome == PdfOutcome::Written ? "written" : "FAILED", seconds, goalSeconds,
                seconds / goalSeconds, kb, kb / entries);
    if (goalKbPerCard > 0)
        std::printf(" (goal <= %.0f KB, ratio %.2f)", goalKbPerCard, kb / entries / goalKbPerCard);
    std::printf("\n");
}

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    installFontSubstitutes();
    PlateCanvas canvas;
    PlateLayout layout;
    SetUpBenchPlate(canvas, layout);
    QTemporaryDir dir;

    const QList<NameRecord> list = entries();
    QList<PlateTexts> texts;
    QList<CheckEntry> checks;
    for (const NameRecord &r : list) {
        texts << r.texts();
        checks.append({r, 0, {}});
    }
    const PrintLook solid = PrintLook::of(layout, canvas.m_background, false);
    const PrintLook picture = PrintLook::of(layout, pictureBackground(canvas.size()), false);
    std::printf("%d entries, A4 landscape, margin 10 mm\n", kEntries);
    run("table cards, solid background", TableCards(solid, texts, 10),
        dir.filePath(QStringLiteral("solid.pdf")), kEntries, 10, 100);
    run("table cards, picture background", TableCards(picture, texts, 10),
        dir.filePath(QStringLiteral("picture.pdf")), kEntries, 10, 0);
    run("table cards, 不打印背景",
        TableCards(PrintLook::of(layout, canvas.m_background, true), texts, 10),
        dir.filePath(QStringLiteral("plain.pdf")), kEntries, 10, 0);
    run("check sheet, solid background", CheckSheet(solid, checks, 10),
        dir.filePath(QStringLiteral("check.pdf")), kEntries, 10, 0);
    return 0;
}
