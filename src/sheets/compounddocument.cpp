#include "sheets/compounddocument.h"

#include <QString>
#include <QtEndian>

#include "namelist/namelisttexts.h"
#include "sheets/workbookerror.h"

namespace delvora {

namespace {

constexpr uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr uint32_t kFree = 0xFFFFFFFF;
constexpr uint32_t kNoEntry = 0xFFFFFFFF;
constexpr int kMiniShift = 6;
constexpr int kEntrySize = 128;
constexpr int kHeaderDifat = 109;
constexpr uint8_t kSignature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};

uint16_t u16(const char *p) {
    return qFromLittleEndian<uint16_t>(p);
}
uint32_t u32(const char *p) {
    return qFromLittleEndian<uint32_t>(p);
}

[[noreturn]] void damaged() {
    throw WorkbookError(texts::damagedContainer());
}

std::vector<uint32_t> tableEntries(QByteArrayView bytes) {
    std::vector<uint32_t> out(size_t(bytes.size()) / 4);
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = u32(bytes.data() + i * 4);
    return out;
}

} // namespace

bool CompoundDocument::hasSignature(const QByteArray &file) {
    return file.size() >= 8 && memcmp(file.constData(), kSignature, 8) == 0;
}

CompoundDocument::CompoundDocument(QByteArray file) : m_file(std::move(file)) {
    if (m_file.size() < 512 || !hasSignature(m_file))
        throw WorkbookError(texts::notWorkbook());
    const char *h = m_file.constData();
    const uint16_t major = u16(h + 0x1A);
    const uint16_t byteOrder = u16(h + 0x1C);
    m_sectorShift = u16(h + 0x1E);
    if (byteOrder != 0xFFFE || (major != 3 && major != 4) ||
        (m_sectorShift != 9 && m_sectorShift != 12) || u16(h + 0x20) != kMiniShift)
        damaged();

    // The header fills the first sector; sector 0 follows it.
    const qint64 sectorSize = qint64(1) << m_sectorShift;
    const qint64 body = m_file.size() - sectorSize;
    if (body <= 0)
        damaged();
    m_sectors = uint32_t((body + sectorSize - 1) >> m_sectorShift);

    m_miniCutoff = u32(h + 0x38);
    m_firstMiniFat = u32(h + 0x3C);
    readFat(u32(h + 0x2C), u32(h + 0x44), u32(h + 0x48));
    readDirectory(u32(h + 0x30));
}

QByteArrayView CompoundDocument::sector(uint32_t id) const {
    if (id >= m_sectors)
        damaged();
    const qint64 size = qint64(1) << m_sectorShift;
    const qint64 offset = (qint64(id) + 1) << m_sectorShift;
    return QByteArrayView(m_file).sliced(offset, std::min(size, m_file.size() - offset));
}

void CompoundDocument::readFat(uint32_t fatSectors, uint32_t firstDifat, uint32_t difatSectors) {
    if (fatSectors == 0 || fatSectors > m_sectors || difatSectors > m_sectors)
        damaged();
    std::vector<uint32_t> fatIds;
    const auto take = [&](const char *p, int count) {
        for (int i = 0; i < count && fatIds.size() < fatSectors; ++i) {
            const uint32_t id = u32(p + i * 4);
            if (id != kFree)
                fatIds.push_back(id);
        }
    };
    take(m_file.constData() + 0x4C, kHeaderDifat);

    // Further table sectors are listed in the DIFAT chain; its last slot links the next.
    const int perDifat = (1 << m_sectorShift) / 4 - 1;
    uint32_t next = firstDifat;
    for (uint32_t i = 0; i < difatSectors && fatIds.size() < fatSectors; ++i) {
        const QByteArrayView s = sector(next);
        if (s.size() < (qint64(1) << m_sectorShift))
            damaged();
        take(s.data(), perDifat);
        next = u32(s.data() + perDifat * 4);
    }
    if (fatIds.size() < fatSectors)
        damaged();

    m_fat.reserve(size_t(fatSectors) << (m_sectorShift - 2));
    for (uint32_t id : fatIds) {
        const QByteArrayView s = sector(id);
        if (s.size() < (qint64(1) << m_sectorShift))
            damaged();
        const std::vector<uint32_t> part = tableEntries(s);
        m_fat.insert(m_fat.end(), part.begin(), part.end());
    }
}

std::vector<uint32_t> CompoundDocument::chain(const std::vector<uint32_t> &table, uint32_t start,
                                              size_t limit) const {
    // Takes at most `limit` links; a sector met twice is a loop.
    std::vector<uint32_t> ids;
    std::vector<bool> seen(table.size());
    uint32_t id = start;
    while (ids.size() < limit && id != kEndOfChain) {
        if (id >= table.size() || seen[id])
            damaged();
        seen[id] = true;
        ids.push_back(id);
        id = table[id];
    }
    return ids;
}

QByteArray CompoundDocument::readBig(uint32_t start, uint64_t size) const {
    const qint64 sectorSize = qint64(1) << m_sectorShift;
    if (size > uint64_t(m_file.size()))
        damaged();
    const size_t needed = size_t((size + uint64_t(sectorSize) - 1) >> m_sectorShift);
    QByteArray out;
    out.reserve(qsizetype(size));
    for (uint32_t id : chain(m_fat, start, needed)) {
        const QByteArrayView s = sector(id);
        const qint64 want = std::min<qint64>(sectorSize, qint64(size) - out.size());
        if (s.size() < want)
            damaged();
        out.append(s.first(want));
    }
    if (uint64_t(out.size()) != size)
        damaged();
    return out;
}

QByteArray CompoundDocument::readMini(uint32_t start, uint64_t size) const {
    const Entry &root = m_entries.front();
    const QByteArray mini = readBig(root.start, root.size);
    if (size > uint64_t(mini.size()))
        damaged();
    // The mini table is a plain chain of big sectors.
    QByteArray tableBytes;
    if (m_firstMiniFat != kEndOfChain) {
        for (uint32_t id : chain(m_fat, m_firstMiniFat, m_fat.size()))
            tableBytes.append(sector(id));
    }
    const std::vector<uint32_t> miniFat = tableEntries(tableBytes);

    constexpr qint64 miniSize = qint64(1) << kMiniShift;
    QByteArray out;
    out.reserve(qsizetype(size));
    for (uint32_t id : chain(miniFat, start, size_t((size + miniSize - 1) >> kMiniShift))) {
        const qint64 offset = qint64(id) << kMiniShift;
        const qint64 want = std::min<qint64>(miniSize, qint64(size) - out.size());
        if (offset + want > mini.size())
            damaged();
        out.append(mini.constData() + offset, want);
    }
    if (uint64_t(out.size()) != size)
        damaged();
    return out;
}

void CompoundDocument::readDirectory(uint32_t firstSector) {
    QByteArray dir;
    for (uint32_t id : chain(m_fat, firstSector, m_fat.size()))
        dir.append(sector(id));
    const bool version4 = m_sectorShift == 12;
    for (qsizetype offset = 0; offset + kEntrySize <= dir.size(); offset += kEntrySize) {
        const char *p = dir.constData() + offset;
        Entry e;
        const uint16_t nameBytes = u16(p + 64);
        if (nameBytes >= 2 && nameBytes <= 64 && nameBytes % 2 == 0)
            e.name = QString::fromUtf16(reinterpret_cast<const char16_t *>(p), nameBytes / 2 - 1);
        e.type = uint8_t(p[66]);
        e.left = u32(p + 68);
        e.right = u32(p + 72);
        e.child = u32(p + 76);
        e.start = u32(p + 116);
        // Version 3 files may leave garbage in the size's high half.
        e.size = u32(p + 120) | (version4 ? uint64_t(u32(p + 124)) << 32 : 0);
        m_entries.push_back(std::move(e));
    }
    if (m_entries.empty() || m_entries.front().type != 5)
        damaged();
}

std::optional<QByteArray> CompoundDocument::stream(QStringView name) const {
    // The children of the root form a tree; walk it, refusing to visit an entry twice.
    std::vector<bool> seen(m_entries.size());
    std::vector<uint32_t> pending{m_entries.front().child};
    while (!pending.empty()) {
        const uint32_t id = pending.back();
        pending.pop_back();
        if (id == kNoEntry)
            continue;
        if (id >= m_entries.size() || seen[id])
            damaged();
        seen[id] = true;
        const Entry &e = m_entries[id];
        if (e.type == 2 && name.compare(e.name, Qt::CaseInsensitive) == 0)
            return e.size < m_miniCutoff ? readMini(e.start, e.size) : readBig(e.start, e.size);
        pending.push_back(e.left);
        pending.push_back(e.right);
    }
    return std::nullopt;
}

} // namespace delvora
