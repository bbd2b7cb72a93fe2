// Importing a 10,000-row name workbook (open, read, fill the list), next to reading the same
// file with FreeXL alone.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <freexl.h>
#include <functional>
#include <vector>

#include "namelist/workbookreader.h"
#include "namelist/namelist.h"

using namespace delvora;

namespace {

double millis(const std::function<void()> &f) {
    QElapsedTimer t;
    t.start();
    f();
    return double(t.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Keeps the compiler from dropping FreeXL's cell reads.
volatile size_t g_cellsRead = 0;

// Our whole import; returns the entry count.
int importNames(const QString &path) {
    WorkbookReader reader;
    NameList list;
    if (!reader.openWorkbook(path))
        return -1;
    list.clear();
    reader.readNameList(list);
    return list.count();
}

// FreeXL's bare read of columns A to D of Sheet1; returns the data row count.
int freexlRead(const char *path) {
    const void *handle = nullptr;
    if (freexl_open(path, &handle) != FREEXL_OK)
        return -1;
    int rowsRead = -1;
    unsigned int sheets = 0;
    freexl_get_info(handle, FREEXL_BIFF_SHEET_COUNT, &sheets);
    for (unsigned short i = 0; i < sheets; ++i) {
        const char *name = nullptr;
        if (freexl_get_worksheet_name(handle, i, &name) != FREEXL_OK || strcasecmp(name, "Sheet1"))
            continue;
        unsigned int rows = 0;
        unsigned short columns = 0;
        freexl_select_active_worksheet(handle, i);
        freexl_worksheet_dimensions(handle, &rows, &columns);
        for (unsigned int r = 1; r < rows; ++r)
            for (unsigned short c = 0; c < 4 && c < columns; ++c) {
                FreeXL_CellValue value;
                if (freexl_get_cell_value(handle, r, c, &value) == FREEXL_OK)
                    g_cellsRead = g_cellsRead + 1;
            }
        rowsRead = int(rows) - 1;
        break;
    }
    freexl_close(handle);
    return rowsRead;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QString path =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(DELVORA_BENCH_WORKBOOK);
    const QByteArray native = path.toLocal8Bit();
    const int runs = 41;

    const int ours = importNames(path);
    const int theirs = freexlRead(native.constData());
    if (ours <= 0 || ours != theirs) {
        std::fprintf(stderr, "row counts differ: import %d, FreeXL %d\n", ours, theirs);
        return 1;
    }
    // Turn about, so that a busy machine slows both alike.
    std::vector<double> oursMs, theirsMs;
    for (int i = 0; i < runs; ++i) {
        oursMs.push_back(millis([&] { importNames(path); }));
        theirsMs.push_back(millis([&] { freexlRead(native.constData()); }));
    }
    const double import = median(oursMs);
    const double freexl = median(theirsMs);
    std::printf("workbook: %s (%d rows)\n", native.constData(), ours);
    std::printf("import (open, read, fill the list): %.2f ms\n", import);
    std::printf("FreeXL bare read of columns A-D:    %.2f ms\n", freexl);
    std::printf("import / FreeXL: %.2f (goal < 1)\n", import / freexl);
    return 0;
}
