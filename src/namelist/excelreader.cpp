#include "namelist/excelreader.h"

#include <QFile>

#include "namelist/biffrecordstream.h"
#include "namelist/celltext.h"
#include "namelist/compounddocument.h"
#include "namelist/namelist.h"
#include "namelist/namelisttexts.h"
#include "namelist/plateid.h"
#include "namelist/sheetreader.h"
#include "namelist/workbook.h"
#include "namelist/workbookerror.h"

namespace delvora {

namespace {

constexpr int kColumns = 4;

} // namespace

CExcelReader::CExcelReader() = default;
CExcelReader::~CExcelReader() = default;

bool CExcelReader::OpenWorkbook(const QString &path) {
    CloseWorkbook();
    QFile file(path);
    QByteArray bytes;
    if (!path.isEmpty() && file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (path.isEmpty() || !file.isOpen() || file.error() != QFileDevice::NoError) {
        m_strError = texts::openFailed();
        return false;
    }
    file.close();

    try {
        const CompoundDocument document(std::move(bytes));
        // Excel 97 and later name the stream "Workbook", Excel 95 "Book".
        std::optional<QByteArray> stream = document.stream(u"Workbook");
        if (!stream)
            stream = document.stream(u"Book");
        if (!stream)
            throw WorkbookError(texts::noWorkbookStream());
        m_pWorkbook = std::make_unique<Workbook>(std::move(*stream));
    } catch (const WorkbookError &e) {
        m_strError = texts::openError() + e.text();
        return false;
    }
    return true;
}

void CExcelReader::CloseWorkbook() {
    m_pWorkbook.reset();
}

CExcelReader::Rows CExcelReader::ReadSheet1() {
    if (!m_pWorkbook)
        throw WorkbookError(texts::notOpen());
    // The read ends the connection whatever happens next.
    const std::unique_ptr<Workbook> workbook = std::move(m_pWorkbook);
    const SheetEntry *sheet = workbook->findWorksheet(u"Sheet1");
    if (!sheet)
        throw WorkbookError(texts::noSheet());

    Rows rows;
    try {
        const bool dates1904 = workbook->dates1904();
        const SheetRange range =
            SheetReader::read(*workbook, *sheet, [&](int row, int column, const CellValue &value) {
                if (column >= kColumns)
                    return;
                if (size_t(row) >= rows.cells.size())
                    rows.cells.resize(size_t(row) + 1);
                rows.cells[size_t(row)][size_t(column)] = CellText(value, dates1904);
            });
        rows.cells.resize(size_t(range.rows));
        rows.columns = range.columns;
    } catch (const BiffDamage &) {
        throw WorkbookError(texts::damagedSheet());
    }
    return rows;
}

bool CExcelReader::ReadNameList(NameList &list) {
    const Rows rows = ReadSheet1();
    const int present = std::min(rows.columns, kColumns);
    QList<NameRecord> records;
    records.reserve(qsizetype(rows.cells.size()));
    // Row 0 holds the headings.
    for (size_t r = 1; r < rows.cells.size(); ++r) {
        const std::array<QString, 4> &cells = rows.cells[r];
        NameRecord entry;
        entry.m_nSeq = int(records.size()) + 1;
        if (present > 0)
            entry.m_strId = PlateIdText(cells[0]);
        QString *fields[] = {&entry.m_strOrganisation, &entry.m_strName, &entry.m_strTitle};
        for (int c = 1; c < present; ++c)
            *fields[c - 1] = cells[size_t(c)];
        records.append(entry);
        // A missing column fails on the first row, with that row's entry already in the list.
        if (present < kColumns) {
            list.append(records);
            throw WorkbookError(texts::tooFewColumns());
        }
    }
    list.append(records);
    return true;
}

bool CExcelReader::ReadAddressRows(const AddressConsumer &consumer) {
    const Rows rows = ReadSheet1();
    if (rows.cells.size() > 1 && rows.columns < kColumns)
        throw WorkbookError(texts::tooFewColumns());
    for (size_t r = 1; r < rows.cells.size(); ++r) {
        const std::array<QString, 4> &cells = rows.cells[r];
        consumer(AddressRecord{PlateIdText(cells[0]), cells[1], cells[2], cells[3]});
    }
    return true;
}

} // namespace delvora
