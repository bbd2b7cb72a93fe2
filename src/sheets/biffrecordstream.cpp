#include "sheets/biffrecordstream.h"

#include <QtEndian>

namespace delvora {

BiffRecordStream::BiffRecordStream(QByteArrayView stream, qsizetype start)
    : m_stream(stream), m_pos(start) {
    if (start < 0 || start > stream.size())
        throw BiffDamage{};
}

bool BiffRecordStream::next(BiffRecord &record) {
    const qsizetype size = m_stream.size();
    if (m_pos >= size)
        return false;
    const auto header = [&](qsizetype at, uint16_t &id, qsizetype &length) {
        if (size - at < 4)
            throw BiffDamage{};
        id = qFromLittleEndian<uint16_t>(m_stream.data() + at);
        length = qFromLittleEndian<uint16_t>(m_stream.data() + at + 2);
        if (size - at - 4 < length)
            throw BiffDamage{};
    };
    qsizetype length = 0;
    header(m_pos, record.id, length);
    record.offset = m_pos;
    record.data = m_stream.sliced(m_pos + 4, length);
    qsizetype end = m_pos + 4 + length;
    // Gather the CONTINUE records that carry on this one.
    while (size - end >= 4 && qFromLittleEndian<uint16_t>(m_stream.data() + end) == kContinue) {
        uint16_t id = 0;
        header(end, id, length);
        end += 4 + length;
    }
    record.end = end;
    m_pos = end;
    return true;
}

} // namespace delvora
