#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <vector>

namespace delvora {

class BiffCursor;

// One sheet as the workbook lists it.
struct SheetEntry {
    QString name;
    uint32_t offset = 0; // of the sheet's BOF record in the workbook stream
    uint8_t kind = 0;    // 0 worksheet, 1 macro sheet, 2 chart, 6 module
};

// The workbook-wide part of an Excel 95 (BIFF5) or 97-2003 (BIFF8) workbook stream: its
// sheets, shared strings, number formats and date system. The sheets' own records are read
// on demand by SheetReader.
class Workbook {
public:
    // Reads the workbook globals. Raises WorkbookError when the stream is not a workbook of a
    // supported version, is protected by a password or is damaged.
    explicit Workbook(QByteArray stream);

    int biffVersion() const { return m_biff; }
    bool dates1904() const { return m_dates1904; }
    QByteArrayView stream() const { return m_stream; }
    const std::vector<SheetEntry> &sheets() const { return m_sheets; }

    // The worksheet of that name, compared without regard to case; null when none.
    const SheetEntry *findWorksheet(QStringView name) const;

    // A shared string, or null when the index is out of range.
    const QString *sharedString(uint32_t index) const;

    // Whether cells of that format record show their number as a date.
    bool isDateXf(uint32_t xf) const { return xf < m_xfIsDate.size() && m_xfIsDate[xf]; }

    // A string as this workbook's version writes it: Unicode (BIFF8) or in the workbook's
    // code page (BIFF5), with a character count of `countBytes` bytes.
    QString readString(BiffCursor &cursor, int countBytes) const;

private:
    void readGlobals();
    void readSharedStrings(BiffCursor &cursor, qsizetype recordBytes);

    QByteArray m_stream;
    int m_biff = 8;
    int m_codePage = 1252;
    bool m_dates1904 = false;
    std::vector<SheetEntry> m_sheets;
    std::vector<QString> m_sharedStrings;
    std::vector<bool> m_xfIsDate;
};

} // namespace delvora
