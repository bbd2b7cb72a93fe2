#include "namelist/excelreader.h"

#include <QFile>

#include "namelist/celltext.h"
#include "namelist/namelist.h"
#include "namelist/namelisttexts.h"
#include "namelist/plateid.h"
#include "namelist/sheetsource.h"
#include "namelist/spreadsheetfile.h"
#include "namelist/workbookerror.h"

namespace delvora {

namespace {

constexpr int kColumns = 4;

// The fields columns A to D go to.
QString &field(NameRecord &e, int column) {
    QString *fields[kColumns] = {&e.m_strId, &e.m_strOrganisation, &e.m_strName, &e.m_strTitle};
    return *fields[column];
}

QString &field(AddressRecord &a, int column) {
    QString *fields[kColumns] = {&a.m_strId, &a.m_strIp, &a.m_strMask, &a.m_strGateway};
    return *fields[column];
}

// Puts the text of columns A to D of every row after the first into one record per row.
template <typename Record> class RecordSink : public CellSink {
public:
    RecordSink(QList<Record> &records, bool dates1904)
        : m_records(records), m_bDates1904(dates1904) {}

    void expectRows(int rows) override { m_records.reserve(rows); }
    void cell(int row, int column, CellValue &value) override {
        if (row == 0 || column >= kColumns)
            return;
        if (row > m_records.size())
            m_records.resize(row);
        field(m_records[row - 1], column) = CellText(std::move(value), m_bDates1904);
    }

private:
    QList<Record> &m_records;
    bool m_bDates1904;
};

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
        m_pSource = OpenSpreadsheet(std::move(bytes), path);
    } catch (const WorkbookError &e) {
        m_strError = texts::openError() + e.text();
        return false;
    }
    return true;
}

void CExcelReader::CloseWorkbook() {
    m_pSource.reset();
}

template <typename Record> int CExcelReader::ReadSheet1(QList<Record> &records) {
    if (!m_pSource)
        throw WorkbookError(texts::notOpen());
    // The read ends the connection whatever happens next.
    const std::unique_ptr<SheetSource> source = std::move(m_pSource);
    RecordSink<Record> sink(records, source->dates1904());
    const SheetRange range = source->readSheet1(sink);
    // Rows whose only cells lie right of column D are rows all the same.
    records.resize(std::max(range.rows - 1, 0));
    for (Record &record : records)
        record.m_strId = PlateIdText(record.m_strId);
    return range.columns;
}

bool CExcelReader::ReadNameList(NameList &list) {
    QList<NameRecord> records;
    const int columns = ReadSheet1(records);
    for (qsizetype i = 0; i < records.size(); ++i)
        records[i].m_nSeq = int(i) + 1;
    // A missing column fails on the first row, with that row's entry already in the list.
    if (columns < kColumns && !records.isEmpty()) {
        records.resize(1);
        list.append(std::move(records));
        throw WorkbookError(texts::tooFewColumns());
    }
    list.append(std::move(records));
    return true;
}

bool CExcelReader::ReadAddressRows(const AddressConsumer &consumer) {
    QList<AddressRecord> records;
    if (ReadSheet1(records) < kColumns && !records.isEmpty())
        throw WorkbookError(texts::tooFewColumns());
    for (const AddressRecord &record : std::as_const(records))
        consumer(record);
    return true;
}

} // namespace delvora
