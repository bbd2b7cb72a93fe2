// Importing a 10,000-row name list as .xlsx, .ods and .csv, next to importing the same rows as
// .xls and next to openpyxl's read-only mode reading the same .xlsx (run as a subprocess,
// timed inside it so the interpreter's start is left out).
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "namelist/workbookreader.h"
#include "namelist/namelist.h"

using namespace delvora;

namespace {

int importNames(const QString &path) {
    WorkbookReader reader;
    NameList list;
    if (!reader.openWorkbook(path))
        return -1;
    reader.readNameList(list);
    return list.count();
}

double medianImport(const QString &path, int runs) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        importNames(path);
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QString base =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(DELVORA_BENCH_NAMES);
    const int runs = 21;
    const int rows = importNames(base + QStringLiteral(".xls"));
    std::printf("name list: %s.* (%d rows), median of %d imports (open, read, fill the list)\n",
                qPrintable(base), rows, runs);
    const double xls = medianImport(base + QStringLiteral(".xls"), runs);
    std::printf("  .xls   %8.2f ms\n", xls);
    double xlsx = 0;
    for (const char *suffix : {".xlsx", ".ods", ".csv"}) {
        const QString path = base + QLatin1String(suffix);
        if (importNames(path) != rows) {
            std::fprintf(stderr, "%s: row count differs from the .xls\n", qPrintable(path));
            return 1;
        }
        const double ms = medianImport(path, runs);
        if (QLatin1String(suffix) == QLatin1String(".xlsx"))
            xlsx = ms;
        std::printf("  %-5s  %8.2f ms   / .xls: %.2f (goal <= 2)\n", suffix, ms, ms / xls);
    }

    QProcess python;
    python.start(QStringLiteral(DELVORA_BENCH_PYTHON3),
                 {QStringLiteral(DELVORA_BENCH_OPENPYXL_READ), base + QStringLiteral(".xlsx"),
                  QStringLiteral("5")});
    if (!python.waitForFinished(600000) || python.exitCode() != 0) {
        std::fprintf(stderr, "openpyxl failed: %s\n", python.readAllStandardError().constData());
        return 1;
    }
    const QList<QByteArray> out = python.readAllStandardOutput().trimmed().split(' ');
    const double openpyxl = out.value(0).toDouble();
    if (out.value(1).toInt() != rows) {
        std::fprintf(stderr, "openpyxl read %s rows\n", out.value(1).constData());
        return 1;
    }
    std::printf("  openpyxl read-only .xlsx %8.2f ms   openpyxl / our .xlsx: %.1f (goal >= 10)\n",
                openpyxl, openpyxl / xlsx);
    return 0;
}
