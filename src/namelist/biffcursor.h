#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>

#include "namelist/biffrecordstream.h"

namespace delvora {

// Reads the fields of one record in order, going on into its CONTINUE records where the data
// does. Every read is checked; reading past the end raises BiffDamage.
class BiffCursor {
public:
    BiffCursor(QByteArrayView stream, const BiffRecord &record);

    uint8_t u8();
    uint16_t u16();
    uint32_t u32();
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
    qsizetype left() const { return m_partEnd - m_pos; }

    QByteArrayView m_stream;
    qsizetype m_pos;
    qsizetype m_partEnd;
    qsizetype m_end;
};

} // namespace delvora
