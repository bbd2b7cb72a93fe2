#pragma once

#include <QByteArray>
#include <QString>

namespace delvora {

// Strings in the archive format of "settings.dat". A string is written wide: the marker
// FF FE FF, the length in UTF-16 code units (one byte below 255, else FF and 16 bits below
// 65534, else FF FF FF and 32 bits, else FF FF FF FF FF FF FF and 64 bits), then the UTF-16LE
// characters. Narrow strings (8-bit text in the GBK code page) are read as well. All numbers
// are little-endian.
class Archive {
public:
    // A storing archive.
    Archive() = default;
    // A loading archive over these bytes.
    explicit Archive(const QByteArray &data) : m_data(data), m_storing(false) {}

    bool isStoring() const { return m_storing; }
    bool isLoading() const { return !m_storing; }

    void writeString(const QString &text);
    // Reads the next string; false when the bytes end early or the length is out of range, in
    // which case `text` is left as it was.
    bool readString(QString &text);

    // What was written so far.
    const QByteArray &data() const { return m_data; }
    qsizetype position() const { return m_pos; }

private:
    bool readBytes(void *out, qsizetype count);
    template <typename T> bool readNumber(T &value);
    bool readLength(quint16 w, quint64 &length);

    QByteArray m_data;
    qsizetype m_pos = 0;
    bool m_storing = true;
};

} // namespace delvora
