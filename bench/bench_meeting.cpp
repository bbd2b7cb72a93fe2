// Saving and opening a meeting of 2,000 entries with a 1024×600 picture background (goal: each
// at most 150 ms), next to importing the same list from an .xls workbook.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <cstdio>

#include "benchtiming.h"
#include "layout/jpegencoder.h"
#include "layout/logfont.h"
#include "layout/platecanvas.h"
#include "layout/platedesign.h"
#include "meeting/meetingdocument.h"
#include "meeting/meetingreader.h"
#include "meeting/meetingwriter.h"
#include "namelist/namelist.h"
#include "namelist/workbookreader.h"

using namespace delvora;

namespace {

constexpr double kGoalMs = 150;

// A photograph's worth of detail, so the JPEG has a photograph's size.
QByteArray photoJpeg() {
    QImage image(1024, 600, QImage::Format_RGB32);
    quint32 noise = 12345;
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            noise = noise * 1664525u + 1013904223u;
            const int n = int(noise >> 28);
            line[x] = qRgb((x / 4 + n) % 256, (y / 3 + 2 * n) % 256, ((x + y) / 8 + n) % 256);
        }
    }
    return encodePlateJpeg(image, 90);
}

QList<NameRecord> importList(const QString &path) {
    WorkbookReader reader;
    NameList list;
    if (reader.openWorkbook(path))
        reader.readNameList(list);
    return list.entries();
}

void report(const char *what, double ms) {
    std::printf("%-48s %8.2f ms   goal <= %.0f ms: %s (%.2f of the goal)\n", what, ms, kGoalMs,
                ms <= kGoalMs ? "met" : "MISSED", ms / kGoalMs);
}

} // namespace

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    installFontSubstitutes();
    const QString workbook =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(DELVORA_BENCH_MEETING_LIST);
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());

    const QList<NameRecord> entries = importList(workbook);
    if (entries.size() != 2000) {
        std::fprintf(stderr, "%s: expected 2000 entries, read %d\n", qPrintable(workbook),
                     int(entries.size()));
        return 1;
    }
    PlateDesign design;
    design.loadFromFiles(QStringLiteral("./red.jpg")); // missing here: the built-in canvas
    const QByteArray jpeg = photoJpeg();
    design.setBackgroundPicture(readPicture(jpeg), jpeg);
    NameList list;
    list.append(entries);

    const QString path = dir.filePath(QStringLiteral("会议.delvora"));
    // Save: the window's state gathered, the archive made and written through a temporary file.
    const double save = millisPerRun(5, [&] {
        MeetingDocument meeting;
        meeting.entries = list.entries();
        meeting.takeDesign(design);
        if (!writeMeeting(path, meeting).isEmpty())
            std::abort();
    });
    // Open: read and checked, then the list and the design replaced.
    PlateDesign opened;
    opened.loadFromFiles(QStringLiteral("./red.jpg"));
    NameList openedList;
    const double open = millisPerRun(5, [&] {
        const MeetingReadResult read = readMeeting(path);
        if (!read.ok())
            std::abort();
        openedList.replaceEntries(read.document->entries);
        read.document->giveDesign(opened);
    });
    const double import = millisPerRun(5, [&] { importList(workbook); });

    std::printf("meeting: %d entries, a 1024x600 picture background (JPEG of %lld KiB), file of "
                "%lld KiB\n",
                int(entries.size()), qlonglong(jpeg.size() / 1024),
                qlonglong(QFileInfo(path).size() / 1024));
    report("save (gather, archive, write):", save);
    report("open (read, check, replace list and design):", open);
    std::printf("%-48s %8.2f ms   (open / import: %.2f)\n",
                "import of the same list as .xls:", import, open / import);
    return 0;
}
