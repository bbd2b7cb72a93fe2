#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace delvora {

// "dispError.txt", the record of an update of all entries: one line per entry that did not
// reach its plate, in GBK with CR LF, each written through at once so that a crash or a
// closed window keeps every line reported so far.
class ErrorListFile {
public:
    enum class Reason { NotOnline, ConnectTimeout, TransferFailed };

    // Creates the file, emptying an existing one.
    bool create(const QString &path);
    bool append(const QString &plateIdText, Reason reason);
    void close();
    // The absolute path of the file last created.
    QString path() const { return m_path; }

    // "ID:<number>\t<reason>\r\n" in GBK.
    static QByteArray line(const QString &plateIdText, Reason reason);

private:
    QFile m_file;
    QString m_path;
};

// The number in a plate ID text as the error list shows it: leading white space skipped, an
// optional sign, then decimal digits up to the first other character; 0 without digits. Values
// beyond 32 bits are held at the nearest limit.
int plateIdNumber(const QString &text);

} // namespace delvora
