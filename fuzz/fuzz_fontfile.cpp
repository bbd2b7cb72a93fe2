// Arbitrary bytes as "fontSetting.dat": each row's record reads only when whole and writes back
// to the same 92 bytes, every record becomes a usable QFont that draws a row, and a row's
// record written into the file changes those 92 bytes alone.
#include "fuzzsupport.h"

#include "layout/layoutfiles.h"
#include "layout/logfont.h"
#include "layout/renderer.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>

using namespace delvora;

namespace {

const QString kPath = QString::fromUtf16(kFontSettingDat);

QString describe(const LogFont &lf) {
    return QStringLiteral("height %1 width %2 weight %3 face \"%4\"")
        .arg(lf.height)
        .arg(lf.width)
        .arg(lf.weight)
        .arg(lf.faceName());
}

bool finite(const QRectF &r) {
    return std::isfinite(r.x()) && std::isfinite(r.y()) && std::isfinite(r.width()) &&
           std::isfinite(r.height());
}

void checkConversion(const LogFont &lf) {
    const QFont font = logFontToQFont(lf);
    const QString what = describe(lf);
    FUZZ_CHECK(font.pixelSize() >= 1 && font.pixelSize() <= kMaxFontPixels, what);
    // A negative height is the character height itself, as the font dialog wrote it.
    if (lf.height < 0)
        FUZZ_CHECK(font.pixelSize() == std::min<int64_t>(-int64_t(lf.height), kMaxFontPixels),
                   what);
    FUZZ_CHECK(font.weight() >= 1 && font.weight() <= 1000, what);
    FUZZ_CHECK(font.italic() == (lf.italic != 0), what);
    FUZZ_CHECK(font.underline() == (lf.underline != 0), what);
    FUZZ_CHECK(font.strikeOut() == (lf.strikeOut != 0), what);
    // Qt reads a family text as a list: it splits at commas and drops blanks and quotes around
    // names. Real face names have none of these; for them the face must pass unchanged.
    const QString face = lf.faceName();
    const bool plainFace = face == face.trimmed() && !face.contains(u',') && !face.contains(u'"') &&
                           !face.contains(u'\'');
    if (plainFace)
        FUZZ_CHECK(font.family() == face, what + QStringLiteral(" became ") + font.family());

    // And back, as after the font dialog: the height is the negative pixel size.
    const LogFont back = qFontToLogFont(font);
    FUZZ_CHECK(back.height == -font.pixelSize(), what);
    FUZZ_CHECK(back.italic == (lf.italic != 0) && back.underline == (lf.underline != 0) &&
                   back.strikeOut == (lf.strikeOut != 0),
               what);
    if (plainFace)
        FUZZ_CHECK(back.faceName() == face.left(31),
                   what + QStringLiteral(" came back as ") + back.faceName());

    // Drawn as the renderer draws a row, on a small canvas.
    RowStyle row;
    row.font = font;
    const QString text = QStringLiteral("单位名称 Ag");
    QImage canvas(160, 96, QImage::Format_RGB32);
    canvas.fill(Qt::red);
    {
        QPainter painter(&canvas);
        drawRow(row, text, painter, canvas.width(), canvas.height());
    }
    const QRectF box = rowTextBox(row, text, canvas.width(), canvas.height());
    FUZZ_CHECK(finite(box) && box.width() >= 0 && box.height() >= 0, what);
}

void checkWrite(const QByteArray &file) {
    // Row 0's record (or the default one) written as the row the file's length picks.
    LogFont lf = defaultLogFont();
    readRowFont(0, lf);
    const int row = int(file.size() % 3);
    QByteArray expected = file;
    const qsizetype offset = qsizetype(LogFont::kSize) * row;
    if (expected.size() < offset)
        expected.append(QByteArray(offset - expected.size(), '\0'));
    expected.replace(offset, LogFont::kSize, lf.toBytes());

    FUZZ_CHECK(writeRowFont(row, lf), describe(lf));
    FUZZ_CHECK(fuzz::readFile(kPath) == expected, QStringLiteral("row %1 written").arg(row));
    LogFont again;
    FUZZ_CHECK(readRowFont(row, again) && again == lf, describe(again));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    fuzz::startApplication<QGuiApplication>();
    installFontSubstitutes();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const fuzz::InWorkFolder inWorkFolder;
    const QByteArray file = fuzz::bytesOf(data, size);
    fuzz::writeFile(kPath, file);
    for (int row = 0; row < 3; ++row) {
        LogFont marker;
        marker.height = 0x5A5A;
        LogFont lf = marker;
        const bool whole = file.size() >= qsizetype(LogFont::kSize) * (row + 1);
        FUZZ_CHECK(readRowFont(row, lf) == whole, QStringLiteral("row %1").arg(row));
        if (!whole) {
            FUZZ_CHECK(lf == marker, QStringLiteral("a cut-short row %1 was used").arg(row));
            continue;
        }
        const QByteArray record = file.mid(qsizetype(LogFont::kSize) * row, LogFont::kSize);
        FUZZ_CHECK(lf == LogFont::fromBytes(record.constData()), describe(lf));
        FUZZ_CHECK(lf.toBytes() == record, describe(lf));
        checkConversion(lf);
    }
    checkWrite(file);
    return 0;
}
