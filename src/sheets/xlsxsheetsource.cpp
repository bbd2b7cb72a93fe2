#include "sheets/xlsxsheetsource.h"

#include "sheets/celltext.h"
#include "namelist/namelisttexts.h"
#include "sheets/spreadsheettexts.h"
#include "sheets/workbookerror.h"
#include "sheets/xmlpartreader.h"

namespace delvora {

namespace {

constexpr int kMaxRows = 1048576;
constexpr int kMaxColumns = 16384;
// Only columns A to D are wanted; the cells right of them count for the used range alone.
constexpr int kWantedColumns = 4;

// A cell as its element gives it, until the element ends.
struct RawCell {
    QString reference;
    QString type;
    qint64 style = 0;
    QString value;   // <v>
    QString inline_; // <is>, its runs joined
    bool hasValue = false;
    bool hasInline = false;
};

class SheetScan {
public:
    SheetScan(const XlsxPackage &package, CellSink &sink) : m_package(package), m_sink(sink) {}

    void row(XmlPartReader &reader);
    void cell(XmlPartReader &reader);
    void dimension(const QString &ref);
    SheetRange range() const { return m_range; }

private:
    CellValue value(const RawCell &raw) const;

    const XlsxPackage &m_package;
    CellSink &m_sink;
    SheetRange m_range;
    int m_nRow = -1;    // the current row
    int m_nColumn = -1; // the last cell's column in it
};

void SheetScan::dimension(const QString &ref) {
    int row = 0;
    int column = 0;
    const QString last = ref.mid(ref.indexOf(u':') + 1);
    if (XlsxSheetSource::parseReference(last, row, column))
        m_sink.expectRows(row + 1);
}

void SheetScan::row(XmlPartReader &reader) {
    const QString r = reader.attribute(u"r");
    if (r.isEmpty()) {
        ++m_nRow;
    } else {
        bool ok = false;
        const int number = r.toInt(&ok);
        if (!ok || number < 1 || number > kMaxRows)
            throw WorkbookError(texts::badCellReference(r));
        m_nRow = number - 1;
    }
    if (m_nRow >= kMaxRows)
        throw WorkbookError(texts::tooManyRows());
    m_nColumn = -1;
}

void SheetScan::cell(XmlPartReader &reader) {
    RawCell raw;
    raw.reference = reader.attribute(u"r");
    int row = std::max(m_nRow, 0);
    int column = m_nColumn + 1;
    if (!raw.reference.isEmpty() && !XlsxSheetSource::parseReference(raw.reference, row, column))
        throw WorkbookError(texts::badCellReference(raw.reference));
    if (column >= kMaxColumns)
        throw WorkbookError(texts::badCellReference(raw.reference));
    m_nRow = row;
    m_nColumn = column;
    const bool wanted = column < kWantedColumns;
    if (wanted) {
        raw.type = reader.attribute(u"t");
        raw.style = reader.attribute(u"s").toLongLong();
    }

    // <v> holds the value (a formula's cached one); <is> an inline string whose runs join,
    // phonetic runs left out.
    const int depth = reader.depth();
    int inValue = 0;
    int inInline = 0;
    int inPhonetic = 0;
    while (reader.next() && reader.depth() >= depth) {
        if (!wanted)
            continue;
        const QStringView name = reader.name();
        if (reader.isText()) {
            if (inValue)
                raw.value += reader.xml().text();
            else if (inInline && !inPhonetic)
                raw.inline_ += reader.xml().text();
        } else if (reader.isStart()) {
            if (name == u"v" && reader.depth() == depth + 1) {
                ++inValue;
                raw.hasValue = true;
            } else if (name == u"is" && reader.depth() == depth + 1) {
                ++inInline;
                raw.hasInline = true;
            } else if (name == u"rPh") {
                ++inPhonetic;
            }
        } else if (reader.isEnd()) {
            if (name == u"v" && reader.depth() == depth)
                --inValue;
            else if (name == u"is" && reader.depth() == depth)
                --inInline;
            else if (name == u"rPh")
                --inPhonetic;
        }
    }
    m_range.rows = std::max(m_range.rows, row + 1);
    m_range.columns = std::max(m_range.columns, column + 1);
    if (!wanted)
        return;
    CellValue v = value(raw);
    m_sink.cell(row, column, v);
}

CellValue SheetScan::value(const RawCell &raw) const {
    const QString &t = raw.type;
    if (t == u"inlineStr")
        return CellValue::ofText(raw.inline_);
    if (!raw.hasValue)
        return raw.hasInline ? CellValue::ofText(raw.inline_) : CellValue{};
    if (t == u"s") {
        bool ok = false;
        const qint64 index = raw.value.trimmed().toLongLong(&ok);
        const QString *text = ok ? m_package.sharedString(index) : nullptr;
        if (!text)
            throw WorkbookError(texts::badSharedString(raw.reference));
        return CellValue::ofShared(text);
    }
    // A formula never calculated leaves its value empty.
    if (raw.value.isEmpty())
        return t == u"str" ? CellValue::ofText({}) : CellValue{};
    if (t == u"str" || t == u"e")
        // An error keeps the text the file gives it (#N/A, ...), as Excel shows it.
        return CellValue::ofText(raw.value);
    if (t == u"b")
        return {CellValue::Type::Boolean, double(raw.value.trimmed() == u"1"), {}, nullptr};
    if (t == u"d") {
        const std::optional<double> serial =
            isoDateSerial(raw.value.trimmed(), m_package.dates1904());
        if (!serial)
            throw WorkbookError(texts::badCellValue(raw.reference));
        return CellValue::ofNumber(*serial, true);
    }
    if (!t.isEmpty() && t != u"n")
        throw WorkbookError(texts::badCellValue(raw.reference));
    bool ok = false;
    const double number = raw.value.trimmed().toDouble(&ok);
    if (!ok)
        throw WorkbookError(texts::badCellValue(raw.reference));
    return CellValue::ofNumber(number, m_package.isDateStyle(raw.style));
}

} // namespace

bool XlsxSheetSource::parseReference(QStringView ref, int &row, int &column) {
    qsizetype i = 0;
    qint64 c = 0;
    for (; i < ref.size() && i < 4 && ref[i] >= u'A' && ref[i] <= u'Z'; ++i)
        c = c * 26 + (ref[i].unicode() - u'A' + 1);
    if (i == 0 || c > kMaxColumns)
        return false;
    qint64 r = 0;
    const qsizetype digits = i;
    for (; i < ref.size() && i - digits < 8 && ref[i] >= u'0' && ref[i] <= u'9'; ++i)
        r = r * 10 + (ref[i].unicode() - u'0');
    if (i != ref.size() || i == digits || r < 1 || r > kMaxRows)
        return false;
    row = int(r - 1);
    column = int(c - 1);
    return true;
}

SheetRange XlsxSheetSource::readSheet1(CellSink &sink) {
    const QString part = m_package.worksheetPart(u"Sheet1");
    if (part.isEmpty())
        throw WorkbookError(texts::noSheet());
    XmlPartReader reader(m_package.archive(), part);
    SheetScan scan(m_package, sink);
    while (reader.next()) {
        if (!reader.isStart())
            continue;
        if (reader.name() == u"row")
            scan.row(reader);
        else if (reader.name() == u"c")
            scan.cell(reader);
        else if (reader.name() == u"dimension")
            scan.dimension(reader.attribute(u"ref"));
    }
    return scan.range();
}

} // namespace delvora
