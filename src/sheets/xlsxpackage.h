#pragma once

#include <QString>
#include <vector>

#include "sheets/ziparchive.h"

namespace delvora {

// The workbook-wide parts of an .xlsx or .xlsm file: where the sheets are, the shared strings,
// which cell formats show dates, the date system.
class XlsxPackage {
public:
    // Reads the package relationships, the workbook part, its relationships, the styles and
    // the shared strings. Raises WorkbookError when a needed part is missing or damaged.
    explicit XlsxPackage(QByteArray file);

    const ZipArchive &archive() const { return m_archive; }
    bool dates1904() const { return m_dates1904; }
    // The part of the worksheet of that name (compared without regard to case); empty when
    // there is none.
    QString worksheetPart(QStringView name) const;
    // A shared string, or null when the index is past the table.
    const QString *sharedString(qint64 index) const {
        return index >= 0 && quint64(index) < m_sharedStrings.size()
                   ? &m_sharedStrings[size_t(index)]
                   : nullptr;
    }
    // Whether cells of that style index show their number as a date.
    bool isDateStyle(qint64 index) const {
        return index >= 0 && quint64(index) < m_styleIsDate.size() && m_styleIsDate[size_t(index)];
    }

    // A relationship's target as a part name, relative to the folder of the part whose
    // relationships name it.
    static QString resolve(const QString &fromPart, const QString &target);

private:
    struct Relationship {
        QString id;
        QString type; // the last segment of the type URI, e.g. "worksheet"
        QString part;
    };
    struct Sheet {
        QString name;
        QString relationship;
    };

    std::vector<Relationship> readRelationships(const QString &ofPart) const;
    void readWorkbook(const QString &part);
    void readStyles(const QString &part);
    void readSharedStrings(const QString &part);

    ZipArchive m_archive;
    bool m_dates1904 = false;
    std::vector<Sheet> m_sheets;
    std::vector<Relationship> m_workbookRelationships;
    std::vector<QString> m_sharedStrings;
    std::vector<bool> m_styleIsDate;
};

} // namespace delvora
