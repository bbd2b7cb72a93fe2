#include "sheets/workbook.h"

#include <QHash>

#include "sheets/biffcursor.h"
#include "sheets/biffrecordids.h"
#include "sheets/codepage.h"
#include "sheets/dateformat.h"
#include "namelist/namelisttexts.h"
#include "sheets/workbookerror.h"

namespace delvora {

using namespace biff;

namespace {

// BOF records of the older stand-alone formats (BIFF2 to BIFF4).
bool isOldBof(uint16_t id) {
    return id == 0x0009 || id == 0x0209 || id == 0x0409;
}

} // namespace

Workbook::Workbook(QByteArray stream) : m_stream(std::move(stream)) {
    try {
        readGlobals();
    } catch (const BiffDamage &) {
        throw WorkbookError(texts::damagedWorkbook());
    }
}

void Workbook::readGlobals() {
    BiffRecordStream records(m_stream);
    BiffRecord record;
    if (!records.next(record))
        throw WorkbookError(texts::notWorkbook());
    if (isOldBof(record.id))
        throw WorkbookError(texts::unsupportedVersion());
    if (record.id != kBof || record.data.size() < 4)
        throw WorkbookError(texts::notWorkbook());
    {
        BiffCursor bof(m_stream, record);
        const uint16_t version = bof.u16();
        const uint16_t kind = bof.u16();
        if (version != 0x0600 && version != 0x0500)
            throw WorkbookError(texts::unsupportedVersion());
        if (kind != kGlobals)
            throw WorkbookError(texts::notWorkbook());
        m_biff = version == 0x0600 ? 8 : 5;
    }
    m_codePage = m_biff == 8 ? 1200 : 1252;

    std::vector<uint16_t> xfFormats;
    QHash<int, QString> formats;
    for (;;) {
        if (!records.next(record))
            throw BiffDamage{};
        BiffCursor c(m_stream, record);
        switch (record.id) {
        case kEof:
            for (uint16_t format : xfFormats)
                m_xfIsDate.push_back(isDateFormat(format, formats.value(format)));
            return;
        case kFilePass:
            throw WorkbookError(texts::encrypted());
        case kCodePage:
            m_codePage = c.u16();
            break;
        case kDateMode:
            m_dates1904 = c.u16() != 0;
            break;
        case kBoundSheet: {
            SheetEntry sheet;
            sheet.offset = c.u32();
            c.u8(); // visibility
            sheet.kind = c.u8();
            sheet.name = readString(c, 1);
            m_sheets.push_back(std::move(sheet));
            break;
        }
        case kSst:
            if (m_biff == 8)
                readSharedStrings(c, record.end - record.offset);
            break;
        case kFormat: {
            const uint16_t index = c.u16();
            formats.insert(index, readString(c, m_biff == 8 ? 2 : 1));
            break;
        }
        case kXf:
            c.u16(); // font
            xfFormats.push_back(c.u16());
            break;
        default:
            break;
        }
    }
}

void Workbook::readSharedStrings(BiffCursor &cursor, qsizetype recordBytes) {
    cursor.u32(); // references in the whole workbook
    const uint32_t unique = cursor.u32();
    // Every string takes at least three bytes; a larger count is damage.
    if (unique > uint64_t(recordBytes) / 3)
        throw BiffDamage{};
    m_sharedStrings.reserve(unique);
    for (uint32_t i = 0; i < unique; ++i)
        m_sharedStrings.push_back(cursor.unicodeString(2));
}

QString Workbook::readString(BiffCursor &cursor, int countBytes) const {
    if (m_biff == 8)
        return cursor.unicodeString(countBytes);
    const uint32_t count = countBytes == 1 ? cursor.u8() : cursor.u16();
    return decodeCodePage(m_codePage, cursor.bytes(count));
}

const SheetEntry *Workbook::findWorksheet(QStringView name) const {
    for (const SheetEntry &sheet : m_sheets)
        if (sheet.kind == 0 && name.compare(sheet.name, Qt::CaseInsensitive) == 0)
            return &sheet;
    return nullptr;
}

const QString *Workbook::sharedString(uint32_t index) const {
    return index < m_sharedStrings.size() ? &m_sharedStrings[index] : nullptr;
}

} // namespace delvora
