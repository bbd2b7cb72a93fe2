#pragma once

#include <QByteArrayView>
#include <cstdint>

namespace delvora {

// Raised inside the record layer when a record's bytes do not hold what they must; the
// workbook and sheet readers turn it into the operator's message.
struct BiffDamage {};

// One record of a workbook stream. Its data may go on in CONTINUE records right after it;
// `end` is where the last of them ends.
struct BiffRecord {
    uint16_t id = 0;
    qsizetype offset = 0; // of the record's header in the stream
    QByteArrayView data;  // the record's own bytes, without CONTINUE parts
    qsizetype end = 0;
};

// Walks the records of a workbook stream from an offset, checking each length against the
// stream.
class BiffRecordStream {
public:
    static constexpr uint16_t kContinue = 0x003C;

    explicit BiffRecordStream(QByteArrayView stream, qsizetype start = 0);

    // The next record; false at the end of the stream. Raises BiffDamage on a record that runs
    // past the end.
    bool next(BiffRecord &record);

    QByteArrayView stream() const { return m_stream; }

private:
    QByteArrayView m_stream;
    qsizetype m_pos;
};

} // namespace delvora
