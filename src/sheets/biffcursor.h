#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QtEndian>
#include <cstdint>

#include "sheets/biffrecordstream.h"

namespace delvora {

// Reads the fields of one record in order, going on into its CONTINUE records where the data
// does. Every read is checked; reading past the end raises BiffDamage.
class BiffCursor {
public:
    BiffCursor(QByteArrayView stream, const BiffRecord &record)
        : m_stream(stream), m_pos(record.data.data() - stream.data()),
          m_partEnd(m_pos + record.data.size()), m_end(record.end) {}

    uint8_t u8();
    uint16_t u16() {
        if (left() < 2)
            return u16Across();
        m_pos += 2;
        return qFromLittleEndian<uint16_t>(m_stream.data() + m_pos - 2);
    }
    uint32_t u32() {
        if (left() < 4)
            return u32Across();
        m_pos += 4;
        return qFromLittleEndian<uint32_t>(m_stream.data() + m_pos - 4);
    }
    double f64();
    void skip(qsizetype count);

    // Bytes left in the record and its CONTINUE parts.
    bool atEnd();

    // A BIFF8 string: a character count of `countBytes` (1 or 2) bytes, option flags, then the
    // characters, with rich text runs and phonetic data skipped.
    QString unicodeString(int countBytes);
    // `count` characters, one or two bytes each; where a CONTINUE part begins inside them, it
    // starts with a new option byte that says how wide the rest is.
    QString characters(uint32_t count, bool wide);
    // Raw bytes, such as the characters of an 8-bit string (BIFF5).
    QByteArray bytes(qsizetype count);

private:
    void nextPart();
    // Fields that run into the next part.
    uint16_t u16Across();
    uint32_t u32Across();
    qsizetype left() const { return m_partEnd - m_pos; }

    QByteArrayView m_stream;
    qsizetype m_pos;
    qsizetype m_partEnd;
    qsizetype m_end;
};

} // namespace delvora
