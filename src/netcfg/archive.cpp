#include "netcfg/archive.h"

#include <QtEndian>
#include <cstring>

#include "common/gbk.h"

namespace delvora {

namespace {

template <typename T> void appendNumber(QByteArray &out, T value) {
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof(T));
}

} // namespace

void Archive::writeString(const QString &text) {
    const quint64 n = quint64(text.size());
    m_data.append("\xFF\xFE\xFF", 3);
    if (n < 0xFF) {
        appendNumber<quint8>(m_data, quint8(n));
    } else if (n < 0xFFFE) {
        appendNumber<quint8>(m_data, 0xFF);
        appendNumber<quint16>(m_data, quint16(n));
    } else if (n < 0xFFFFFFFF) {
        m_data.append("\xFF\xFF\xFF", 3);
        appendNumber<quint32>(m_data, quint32(n));
    } else {
        m_data.append("\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 7);
        appendNumber<quint64>(m_data, n);
    }
    for (QChar c : text)
        appendNumber<quint16>(m_data, c.unicode());
}

bool Archive::readBytes(void *out, qsizetype count) {
    if (m_data.size() - m_pos < count)
        return false;
    std::memcpy(out, m_data.constData() + m_pos, size_t(count));
    m_pos += count;
    return true;
}

template <typename T> bool Archive::readNumber(T &value) {
    uchar bytes[sizeof(T)];
    if (!readBytes(bytes, sizeof(T)))
        return false;
    value = qFromLittleEndian<T>(bytes);
    return true;
}

bool Archive::readLength(quint16 w, quint64 &length) {
    if (w < 0xFFFF) {
        length = w;
        return true;
    }
    quint32 d = 0;
    if (!readNumber(d))
        return false;
    if (d < 0xFFFFFFFF) {
        length = d;
        return true;
    }
    quint64 q = 0;
    if (!readNumber(q) || q > 0x7FFFFFFF)
        return false;
    length = q;
    return true;
}

bool Archive::readString(QString &text) {
    bool wide = false;
    quint64 length = 0;
    quint8 b = 0;
    if (!readNumber(b))
        return false;
    if (b < 0xFF) {
        length = b;
    } else {
        quint16 w = 0;
        if (!readNumber(w))
            return false;
        bool haveLength = false;
        if (w == 0xFFFE) {
            wide = true;
            if (!readNumber(b))
                return false;
            if (b < 0xFF) {
                length = b;
                haveLength = true;
            } else if (!readNumber(w)) {
                return false;
            }
        }
        if (!haveLength && !readLength(w, length))
            return false;
    }
    // Checked before anything is allocated, so a bad length cannot ask for gigabytes.
    const quint64 bytes = wide ? length * 2 : length;
    if (quint64(m_data.size() - m_pos) < bytes)
        return false;
    const char *start = m_data.constData() + m_pos;
    m_pos += qsizetype(bytes);
    if (!wide) {
        text = fromGbk(QByteArray(start, qsizetype(bytes)));
        return true;
    }
    QString out(qsizetype(length), Qt::Uninitialized);
    for (quint64 i = 0; i < length; ++i)
        out[qsizetype(i)] = QChar(qFromLittleEndian<quint16>(start + 2 * i));
    text = out;
    return true;
}

} // namespace delvora
