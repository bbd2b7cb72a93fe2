#pragma once

#include <QByteArray>
#include <QString>

#include "sheets/sheetsource.h"

namespace delvora {

// A name list as delimited text (.csv, .txt): the file is its own sheet. The separator is the
// one of comma, semicolon and tab that the first line uses most; UTF-8 with or without a
// byte-order mark, UTF-16 with one, or GBK when the bytes are not UTF-8. Fields may be quoted,
// with separators, doubled quotes and line breaks inside.
class CsvSheetSource : public SheetSource {
public:
    // Raises WorkbookError when the encoding cannot be told or is mixed.
    explicit CsvSheetSource(const QByteArray &bytes);

    SheetRange readSheet1(CellSink &sink) override;

    // A line longer than this is refused: no name list has one.
    static constexpr qsizetype kMaxLine = 1 << 20;

    // The text of the file's bytes as above; raises WorkbookError.
    static QString decode(const QByteArray &bytes);

private:
    QString m_text;
};

} // namespace delvora
