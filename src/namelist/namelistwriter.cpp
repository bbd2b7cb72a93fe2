#include "namelist/namelistwriter.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryFile>
#include <xlsxwriter.h>

#include "namelist/namelisttexts.h"
#include "namelist/plateid.h"

namespace delvora {

namespace {

constexpr int kColumns = 4;

QStringList rowCells(const NameRecord &entry) {
    return {entry.id, entry.organisation, entry.name, entry.title};
}

QStringList headingCells() {
    return {texts::headingId(), texts::headingOrganisation(), texts::headingName(),
            texts::headingTitle()};
}

QByteArray csvField(const QString &text) {
    QByteArray bytes = text.toUtf8();
    if (bytes.contains(',') || bytes.contains('"') || bytes.contains('\n') ||
        bytes.contains('\r')) {
        bytes.replace("\"", "\"\"");
        bytes = '"' + bytes + '"';
    }
    return bytes;
}

void appendCsvRow(QByteArray &out, const QStringList &cells) {
    for (int c = 0; c < cells.size(); ++c) {
        if (c > 0)
            out += ',';
        out += csvField(cells[c]);
    }
    out += "\r\n";
}

// An ID in the form the plate ID rule writes is stored as a number, as a sheet typed by
// hand would hold it; anything else stays text.
bool isPlainNumber(const QString &id) {
    return !id.isEmpty() && plateIdText(id) == id;
}

} // namespace

NameListWriter::Format NameListWriter::formatOf(const QString &path) {
    return path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive) ? Format::Csv : Format::Xlsx;
}

QByteArray NameListWriter::csv(const QList<NameRecord> &entries) {
    // The byte-order mark makes spreadsheet programs read the text as UTF-8.
    QByteArray out("\xEF\xBB\xBF");
    appendCsvRow(out, headingCells());
    for (const NameRecord &entry : entries)
        appendCsvRow(out, rowCells(entry));
    return out;
}

QByteArray NameListWriter::xlsx(const QList<NameRecord> &entries, QString *error) {
    // The library writes to a named file only; it is read back and written in place below.
    QTemporaryFile scratch;
    if (!scratch.open()) {
        *error = scratch.errorString();
        return {};
    }
    scratch.close();
    const QByteArray name = QFile::encodeName(scratch.fileName());
    lxw_workbook *book = workbook_new(name.constData());
    lxw_worksheet *sheet = book ? workbook_add_worksheet(book, "Sheet1") : nullptr;
    if (!sheet) {
        if (book)
            workbook_close(book);
        *error = QString::fromUtf8(lxw_strerror(LXW_ERROR_MEMORY_MALLOC_FAILED));
        return {};
    }
    const auto put = [sheet](int row, int column, const QString &text) {
        worksheet_write_string(sheet, lxw_row_t(row), lxw_col_t(column), text.toUtf8().constData(),
                               nullptr);
    };
    const QStringList heading = headingCells();
    for (int c = 0; c < kColumns; ++c)
        put(0, c, heading[c]);
    for (int r = 0; r < entries.size(); ++r) {
        const QStringList cells = rowCells(entries[r]);
        for (int c = 0; c < kColumns; ++c) {
            if (cells[c].isEmpty())
                continue;
            if (c == 0 && isPlainNumber(cells[c]))
                worksheet_write_number(sheet, lxw_row_t(r + 1), 0, cells[c].toDouble(), nullptr);
            else
                put(r + 1, c, cells[c]);
        }
    }
    if (const lxw_error result = workbook_close(book); result != LXW_NO_ERROR) {
        *error = QString::fromUtf8(lxw_strerror(result));
        return {};
    }
    QFile written(scratch.fileName());
    if (!written.open(QIODevice::ReadOnly)) {
        *error = written.errorString();
        return {};
    }
    return written.readAll();
}

QString NameListWriter::write(const QString &path, const QList<NameRecord> &entries,
                              Format format) {
    QString error;
    const QByteArray bytes = format == Format::Csv ? csv(entries) : xlsx(entries, &error);
    if (bytes.isEmpty())
        return error;
    // A temporary file beside the target replaces it only when every byte is written.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return file.errorString();
    return {};
}

} // namespace delvora
