#include "sheets/odssheetsource.h"

#include "sheets/celltext.h"
#include "namelist/namelisttexts.h"
#include "sheets/spreadsheettexts.h"
#include "sheets/workbookerror.h"
#include "sheets/xmlpartreader.h"

namespace delvora {

namespace {

constexpr int kMaxRows = 1048576;
constexpr int kWantedColumns = 4;
const QString kContent = QStringLiteral("content.xml");

// A time value ("PT12H30M05S") as a fraction of a day.
std::optional<double> timeSerial(QStringView text) {
    if (!text.startsWith(u"PT"))
        return std::nullopt;
    double seconds = 0;
    double number = 0;
    qsizetype start = 2;
    for (qsizetype i = 2; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isDigit() || c == u'.')
            continue;
        bool ok = false;
        number = text.sliced(start, i - start).toDouble(&ok);
        if (!ok)
            return std::nullopt;
        seconds += number * (c == u'H' ? 3600 : c == u'M' ? 60 : c == u'S' ? 1 : -1e300);
        start = i + 1;
    }
    if (start != text.size() || seconds < 0)
        return std::nullopt;
    return seconds / 86400;
}

int repeatOf(const XmlPartReader &reader, QStringView attribute) {
    const QString text = reader.attribute(attribute);
    if (text.isEmpty())
        return 1;
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || n < 1)
        reader.fail();
    return n;
}

class TableScan {
public:
    TableScan(XmlPartReader &reader, CellSink &sink) : m_reader(reader), m_sink(sink) {}

    // Reads the table whose start element is current.
    void table();
    SheetRange range() const { return m_range; }

private:
    void row();
    // The cell's value and whether it holds anything.
    CellValue cell(bool &content);

    XmlPartReader &m_reader;
    CellSink &m_sink;
    SheetRange m_range;
    int m_nRow = 0;
};

void TableScan::table() {
    const int depth = m_reader.depth();
    while (m_reader.next() && m_reader.depth() >= depth) {
        if (m_reader.isStart() && m_reader.name() == u"table-row")
            row();
    }
}

void TableScan::row() {
    const int repeat = repeatOf(m_reader, u"number-rows-repeated");
    const int depth = m_reader.depth();
    // The cells of columns A to D, then the row is handed on as often as it repeats.
    CellValue cells[kWantedColumns];
    int column = 0;
    int used = 0; // columns up to the last that holds something
    while (m_reader.next() && m_reader.depth() >= depth) {
        if (!m_reader.isStart() || m_reader.depth() != depth + 1 ||
            (m_reader.name() != u"table-cell" && m_reader.name() != u"covered-table-cell"))
            continue;
        const int columns = repeatOf(m_reader, u"number-columns-repeated");
        bool content = false;
        const CellValue value = cell(content);
        for (int c = column; c < std::min(column + columns, kWantedColumns); ++c)
            cells[c] = value;
        column = int(std::min<qint64>(qint64(column) + columns, 1 << 20));
        if (content)
            used = column;
    }
    if (used == 0) {
        m_nRow = int(std::min<qint64>(qint64(m_nRow) + repeat, kMaxRows + 1));
        return;
    }
    if (qint64(m_nRow) + repeat > kMaxRows)
        throw WorkbookError(texts::tooManyRows());
    for (int r = 0; r < repeat; ++r, ++m_nRow) {
        for (int c = 0; c < std::min(used, kWantedColumns); ++c) {
            CellValue value = cells[c];
            m_sink.cell(m_nRow, c, value);
        }
    }
    m_range.rows = m_nRow;
    m_range.columns = std::max(m_range.columns, used);
}

CellValue TableScan::cell(bool &content) {
    const QString type = m_reader.attribute(u"value-type");
    CellValue value;
    std::optional<double> number;
    if (type == u"float" || type == u"percentage" || type == u"currency") {
        bool ok = false;
        number = m_reader.attribute(u"value").toDouble(&ok);
        if (!ok)
            m_reader.fail();
        value = CellValue::ofNumber(*number, false);
    } else if (type == u"date" || type == u"time") {
        number = type == u"date" ? isoDateSerial(m_reader.attribute(u"date-value"), false)
                                 : timeSerial(m_reader.attribute(u"time-value"));
        if (!number)
            m_reader.fail();
        value = CellValue::ofNumber(*number, true);
    } else if (type == u"boolean") {
        value = {CellValue::Type::Boolean,
                 double(m_reader.attribute(u"boolean-value") == u"true"),
                 {},
                 nullptr};
    }

    // The paragraphs of the cell, joined with a line break; notes left out.
    const int depth = m_reader.depth();
    QString text;
    int paragraphs = 0;
    int inParagraph = 0;
    int inNote = 0;
    while (m_reader.next() && m_reader.depth() >= depth) {
        const QStringView name = m_reader.name();
        if (m_reader.isText()) {
            if (inParagraph && !inNote)
                text += m_reader.xml().text();
        } else if (m_reader.isStart()) {
            if (name == u"annotation" || name == u"note") {
                ++inNote;
            } else if (inNote) {
            } else if (name == u"p" && m_reader.depth() == depth + 1) {
                if (paragraphs++)
                    text += u'\n';
                ++inParagraph;
            } else if (inParagraph && name == u"s") {
                const QString count = m_reader.attribute(u"c");
                text += QString(std::clamp(count.isEmpty() ? 1 : count.toInt(), 1, 1024), u' ');
            } else if (inParagraph && name == u"tab") {
                text += u'\t';
            } else if (inParagraph && name == u"line-break") {
                text += u'\n';
            }
        } else if (m_reader.isEnd()) {
            if (name == u"annotation" || name == u"note")
                --inNote;
            else if (name == u"p" && m_reader.depth() == depth && !inNote)
                --inParagraph;
        }
    }
    if (type.isEmpty() || type == u"string") {
        content = paragraphs > 0 || !type.isEmpty();
        return content ? CellValue::ofText(std::move(text)) : CellValue{};
    }
    content = true;
    return value;
}

} // namespace

bool OdsSheetSource::isOds(const QByteArray &file) {
    // The first part is "mimetype", stored, naming the document's type.
    if (file.mid(30, 8) == "mimetype")
        return file.mid(38, 64).startsWith("application/vnd.oasis.opendocument.spreadsheet");
    try {
        const ZipArchive archive(file);
        return archive.contains(kContent) &&
               !archive.contains(QStringLiteral("[Content_Types].xml"));
    } catch (const WorkbookError &) {
        return false;
    }
}

OdsSheetSource::OdsSheetSource(QByteArray file) : m_archive(std::move(file)) {
    if (!m_archive.contains(kContent))
        throw WorkbookError(texts::missingPart(kContent));
}

SheetRange OdsSheetSource::readSheet1(CellSink &sink) {
    XmlPartReader reader(m_archive, kContent);
    while (reader.next()) {
        if (reader.isStart() && reader.name() == u"table" &&
            reader.attribute(u"name").compare(u"Sheet1", Qt::CaseInsensitive) == 0) {
            TableScan scan(reader, sink);
            scan.table();
            return scan.range();
        }
    }
    throw WorkbookError(texts::noSheet());
}

} // namespace delvora
