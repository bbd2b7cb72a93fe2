#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>
#include <vector>

namespace delvora {

// The compound document container that holds the streams of an Excel 97-2003 workbook: a
// file of fixed-size sectors chained through an allocation table, with small streams kept in
// the 64-byte sectors of the mini stream.
class CompoundDocument {
public:
    // Reads the container's tables from the whole file. Raises WorkbookError when the file is
    // not a compound document or its tables are damaged.
    explicit CompoundDocument(QByteArray file);

    // The stream of that name (compared without regard to case) directly below the root;
    // none when it does not exist. Raises WorkbookError when its sectors are damaged.
    std::optional<QByteArray> stream(QStringView name) const;

    static bool hasSignature(const QByteArray &file);

private:
    struct Entry {
        QString name;
        uint8_t type = 0;
        uint32_t left = 0;
        uint32_t right = 0;
        uint32_t child = 0;
        uint32_t start = 0;
        uint64_t size = 0;
    };

    void readFat(uint32_t fatSectors, uint32_t firstDifat, uint32_t difatSectors);
    void readDirectory(uint32_t firstSector);
    QByteArrayView sector(uint32_t id) const;
    std::vector<uint32_t> chain(const std::vector<uint32_t> &table, uint32_t start,
                                size_t limit) const;
    QByteArray readBig(uint32_t start, uint64_t size) const;
    QByteArray readMini(uint32_t start, uint64_t size) const;

    QByteArray m_file;
    int m_sectorShift = 9;
    uint32_t m_sectors = 0; // sectors present in the file, the last one possibly short
    uint32_t m_miniCutoff = 4096;
    uint32_t m_firstMiniFat = 0;
    std::vector<uint32_t> m_fat;
    std::vector<Entry> m_entries;
};

} // namespace delvora
