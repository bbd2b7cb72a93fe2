#include "net/errorlistfile.h"

#include <QFileInfo>
#include <limits>

#include "common/gbk.h"
#include "net/updatetexts.h"

namespace delvora {

bool ErrorListFile::create(const QString &path) {
    close();
    m_file.setFileName(path);
    m_path = QFileInfo(path).absoluteFilePath();
    return m_file.open(QIODevice::WriteOnly | QIODevice::Truncate);
}

bool ErrorListFile::append(const QString &plateIdText, Reason reason) {
    const QByteArray bytes = line(plateIdText, reason);
    return m_file.write(bytes) == bytes.size() && m_file.flush();
}

void ErrorListFile::close() {
    m_file.close();
}

QByteArray ErrorListFile::line(const QString &plateIdText, Reason reason) {
    QString text;
    switch (reason) {
    case Reason::NotOnline:
        text = updatetexts::lineNotOnline();
        break;
    case Reason::ConnectTimeout:
        text = updatetexts::lineConnectTimeout();
        break;
    case Reason::TransferFailed:
        text = updatetexts::lineTransferFailed();
        break;
    }
    return QByteArrayLiteral("ID:") + QByteArray::number(plateIdNumber(plateIdText)) + '\t' +
           toGbk(text) + QByteArrayLiteral("\r\n");
}

int plateIdNumber(const QString &text) {
    qsizetype i = 0;
    const auto isBlank = [](QChar c) {
        return c == u' ' || (c.unicode() >= u'\t' && c.unicode() <= u'\r');
    };
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    constexpr qint64 limit = qint64(std::numeric_limits<int>::max()) + 1;
    qint64 value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        value = qMin(limit, value * 10 + (text[i].unicode() - u'0'));
    if (negative)
        return int(-value);
    return int(qMin(value, limit - 1));
}

} // namespace delvora
