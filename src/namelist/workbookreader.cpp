#include "namelist/workbookreader.h"

#include <QFile>

#include "sheets/celltext.h"
#include "namelist/namelist.h"
#include "namelist/namelisttexts.h"
#include "namelist/plateid.h"
#include "sheets/sheetsource.h"
#include "sheets/spreadsheetfile.h"
#include "sheets/workbookerror.h"

namespace delvora {

namespace {

constexpr int kColumns = 4;

// The fields columns A to D go to.
QString &field(NameRecord &e, int column) {
    QString *fields[kColumns] = {&e.id, &e.organisation, &e.name, &e.title};
    return *fields[column];
}

QString &field(AddressRecord &a, int column) {
    QString *fields[kColumns] = {&a.id, &a.address, &a.mask, &a.gateway};
    return *fields[column];
}

// Puts the text of columns A to D of every row after the first into one record per row.
template <typename Record> class RecordSink : public CellSink {
public:
    RecordSink(QList<Record> &records, bool dates1904)
        : m_records(records), m_dates1904(dates1904) {}

    void expectRows(int rows) override { m_records.reserve(rows); }
    void cell(int row, int column, CellValue &value) override {
        if (row == 0 || column >= kColumns)
            return;
        if (row > m_records.size())
            m_records.resize(row);
        field(m_records[row - 1], column) = cellText(std::move(value), m_dates1904);
    }

private:
    QList<Record> &m_records;
    bool m_dates1904;
};

} // namespace

WorkbookReader::WorkbookReader() = default;
WorkbookReader::~WorkbookReader() = default;

bool WorkbookReader::openWorkbook(const QString &path) {
    closeWorkbook();
    QFile file(path);
    QByteArray bytes;
    if (!path.isEmpty() && file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (path.isEmpty() || !file.isOpen() || file.error() != QFileDevice::NoError) {
        m_error = texts::openFailed();
        return false;
    }
    file.close();

    try {
        m_source = openSpreadsheet(std::move(bytes), path);
    } catch (const WorkbookError &e) {
        m_error = texts::openError() + e.text();
        return false;
    }
    return true;
}

void WorkbookReader::closeWorkbook() {
    m_source.reset();
}

template <typename Record> int WorkbookReader::readSheet1(QList<Record> &records) {
    if (!m_source)
        throw WorkbookError(texts::notOpen());
    // The read ends the connection whatever happens next.
    const std::unique_ptr<SheetSource> source = std::move(m_source);
    RecordSink<Record> sink(records, source->dates1904());
    const SheetRange range = source->readSheet1(sink);
    // Rows whose only cells lie right of column D are rows all the same.
    records.resize(std::max(range.rows - 1, 0));
    for (Record &record : records)
        record.id = plateIdText(record.id);
    return range.columns;
}

bool WorkbookReader::readNameList(NameList &list) {
    QList<NameRecord> records;
    const int columns = readSheet1(records);
    for (qsizetype i = 0; i < records.size(); ++i)
        records[i].seq = int(i) + 1;
    // A missing column fails on the first row, with that row's entry already in the list.
    if (columns < kColumns && !records.isEmpty()) {
        records.resize(1);
        list.append(std::move(records));
        throw WorkbookError(texts::tooFewColumns());
    }
    list.append(std::move(records));
    return true;
}

bool WorkbookReader::readAddressRows(const AddressConsumer &consumer) {
    QList<AddressRecord> records;
    if (readSheet1(records) < kColumns && !records.isEmpty())
        throw WorkbookError(texts::tooFewColumns());
    for (const AddressRecord &record : std::as_const(records))
        consumer(record);
    return true;
}

} // namespace delvora
