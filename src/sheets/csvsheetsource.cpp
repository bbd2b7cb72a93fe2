#include "sheets/csvsheetsource.h"

#include <QStringDecoder>

#include "common/gbk.h"
#include "sheets/spreadsheettexts.h"
#include "sheets/workbookerror.h"

namespace delvora {

namespace {

std::optional<QString> strictDecode(QStringDecoder::Encoding encoding, QByteArrayView bytes) {
    QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// Whether some lines are UTF-8 with characters of three bytes or more (Chinese among them)
// while others are no UTF-8 at all. Shorter sequences are left out: a pair of GBK bytes is often
// a valid two-byte UTF-8 character by chance.
bool mixesUtf8(QByteArrayView bytes) {
    bool utf8 = false;
    bool other = false;
    for (QByteArrayView rest = bytes; !rest.isEmpty();) {
        qsizetype end = rest.indexOf('\n');
        end = end < 0 ? rest.size() : end + 1;
        const QByteArrayView line = rest.first(end);
        rest = rest.sliced(end);
        if (std::all_of(line.begin(), line.end(), [](char c) { return uchar(c) < 0x80; }))
            continue;
        const std::optional<QString> text = strictDecode(QStringDecoder::Utf8, line);
        if (!text)
            other = true;
        else if (std::any_of(text->begin(), text->end(),
                             [](QChar c) { return c.unicode() >= 0x800; }))
            utf8 = true;
    }
    return utf8 && other;
}

QChar separatorOf(QStringView text) {
    const QStringView first = text.first(std::max<qsizetype>(text.indexOf(u'\n'), 0));
    const qsizetype commas = first.count(u',');
    const qsizetype semicolons = first.count(u';');
    const qsizetype tabs = first.count(u'\t');
    if (semicolons > commas && semicolons >= tabs)
        return u';';
    if (tabs > commas && tabs > semicolons)
        return u'\t';
    return u',';
}

} // namespace

QString CsvSheetSource::decode(const QByteArray &bytes) {
    std::optional<QString> text;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        text = strictDecode(QStringDecoder::Utf8, QByteArrayView(bytes).sliced(3));
    else if (bytes.startsWith("\xFF\xFE"))
        text = strictDecode(QStringDecoder::Utf16LE, QByteArrayView(bytes).sliced(2));
    else if (bytes.startsWith("\xFE\xFF"))
        text = strictDecode(QStringDecoder::Utf16BE, QByteArrayView(bytes).sliced(2));
    else if (!(text = strictDecode(QStringDecoder::Utf8, bytes))) {
        if (mixesUtf8(bytes))
            throw WorkbookError(texts::csvMixedEncoding());
        text = fromGbk(bytes);
        if (text->contains(QChar::ReplacementCharacter))
            text.reset();
    }
    if (!text)
        throw WorkbookError(texts::csvBadEncoding());
    return std::move(*text);
}

CsvSheetSource::CsvSheetSource(const QByteArray &bytes) : m_text(decode(bytes)) {}

SheetRange CsvSheetSource::readSheet1(CellSink &sink) {
    const QStringView text = m_text;
    const QChar separator = separatorOf(text);
    SheetRange range;
    int row = 0;
    int column = 0;
    int line = 1;
    int quoteLine = 0;
    qsizetype recordStart = 0;
    bool blank = true; // nothing on this record yet
    QString field;

    const auto endField = [&] {
        if (column < 4) {
            CellValue value = CellValue::ofText(std::move(field));
            sink.cell(row, column, value);
        }
        field.clear();
        ++column;
    };
    const auto endRecord = [&] {
        if (!blank) {
            endField();
            range.rows = row + 1;
            range.columns = std::max(range.columns, column);
        }
        ++row;
        column = 0;
        blank = true;
    };

    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QChar::Null)
            throw WorkbookError(texts::csvNul(line));
        if (i - recordStart > kMaxLine)
            throw WorkbookError(texts::csvLongLine(line));
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < text.size() && text[i + 1] == u'"')
                    ++i, field += u'"';
                else
                    quoted = false;
            } else {
                if (c == u'\n')
                    ++line;
                field += c;
            }
            continue;
        }
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            ++line;
            endRecord();
            recordStart = i + 1;
            continue;
        }
        blank = false;
        if (c == separator) {
            endField();
        } else if (c == u'"' && field.isEmpty()) {
            quoted = true;
            quoteLine = line;
        } else {
            field += c;
        }
    }
    if (quoted)
        throw WorkbookError(texts::csvOpenQuote(quoteLine));
    endRecord();
    return range;
}

} // namespace delvora
