#pragma once

#include <QList>
#include <QString>

#include "namelist/namerecord.h"

namespace delvora {

// Writes the name list as a workbook that the import reads back: the sheet Sheet1 (or the
// comma-separated rows) with the heading row ID, 单位名称, 名字, 职位, then one row per entry.
// The file is replaced only once it is complete; a failure leaves the old file as it was.
class NameListWriter {
public:
    enum class Format { Xlsx, Csv };

    // The format a file name's suffix asks for (.csv, otherwise .xlsx).
    static Format formatOf(const QString &path);

    // Returns the reason of a failure, empty on success.
    static QString write(const QString &path, const QList<NameRecord> &entries, Format format);

    // The bytes of each format.
    static QByteArray csv(const QList<NameRecord> &entries);
    // Empty with `error` set when the workbook could not be made.
    static QByteArray xlsx(const QList<NameRecord> &entries, QString *error);
};

} // namespace delvora
