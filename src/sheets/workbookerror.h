#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

namespace delvora {

// A workbook that cannot be read as asked. Raised by the reader and passed on to the command
// that asked, which shows its text.
class WorkbookError : public std::exception {
public:
    explicit WorkbookError(const QString &text) : m_text(text), m_utf8(text.toUtf8()) {}

    const QString &text() const { return m_text; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_text;
    QByteArray m_utf8;
};

} // namespace delvora
