#include "sheets/biffcursor.h"

#include <QtEndian>
#include <cstring>

namespace delvora {

void BiffCursor::nextPart() {
    // The record stream already checked every CONTINUE header up to m_end.
    if (m_partEnd + 4 > m_end)
        throw BiffDamage{};
    const qsizetype length = qFromLittleEndian<uint16_t>(m_stream.data() + m_partEnd + 2);
    m_pos = m_partEnd + 4;
    m_partEnd = m_pos + length;
}

bool BiffCursor::atEnd() {
    while (left() == 0 && m_partEnd < m_end)
        nextPart();
    return left() == 0;
}

uint8_t BiffCursor::u8() {
    if (atEnd())
        throw BiffDamage{};
    return uint8_t(m_stream[m_pos++]);
}

uint16_t BiffCursor::u16Across() {
    const uint16_t low = u8();
    return uint16_t(low | u8() << 8);
}

uint32_t BiffCursor::u32Across() {
    const uint32_t low = u16();
    return low | uint32_t(u16()) << 16;
}

double BiffCursor::f64() {
    const uint64_t bits = u32() | uint64_t(u32()) << 32;
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void BiffCursor::skip(qsizetype count) {
    while (count > 0) {
        if (atEnd())
            throw BiffDamage{};
        const qsizetype step = std::min(count, left());
        m_pos += step;
        count -= step;
    }
}

QByteArray BiffCursor::bytes(qsizetype count) {
    QByteArray out;
    while (count > 0) {
        if (atEnd())
            throw BiffDamage{};
        const qsizetype step = std::min(count, left());
        out.append(m_stream.data() + m_pos, step);
        m_pos += step;
        count -= step;
    }
    return out;
}

QString BiffCursor::characters(uint32_t count, bool wide) {
    QString out(qsizetype(count), Qt::Uninitialized);
    char16_t *dst = reinterpret_cast<char16_t *>(out.data());
    uint32_t done = 0;
    while (done < count) {
        if (left() == 0) {
            nextPart();
            wide = u8() & 1;
        }
        const qsizetype fit = wide ? left() / 2 : left();
        const uint32_t n = uint32_t(std::min<qsizetype>(count - done, fit));
        if (n == 0)
            throw BiffDamage{};
        const auto *src = reinterpret_cast<const uchar *>(m_stream.data() + m_pos);
        if (wide) {
            qFromLittleEndian<char16_t>(src, n, dst + done);
            m_pos += 2 * qsizetype(n);
        } else {
            // Compressed characters are UTF-16 with the high byte left out.
            for (uint32_t i = 0; i < n; ++i)
                dst[done + i] = src[i];
            m_pos += n;
        }
        done += n;
    }
    return out;
}

QString BiffCursor::unicodeString(int countBytes) {
    const uint32_t count = countBytes == 1 ? u8() : u16();
    const uint8_t flags = u8();
    const uint32_t runs = flags & 0x08 ? u16() : 0;
    const uint32_t phonetic = flags & 0x04 ? u32() : 0;
    QString text = characters(count, flags & 0x01);
    skip(qsizetype(runs) * 4 + qsizetype(phonetic));
    return text;
}

} // namespace delvora
