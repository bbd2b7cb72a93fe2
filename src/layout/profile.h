#pragma once

#include <QList>
#include <QPair>
#include <QString>

namespace delvora {

// A private profile file ("[section]" lines followed by "key=value" lines) read and written
// the way Windows does it: names compared without regard to case, blanks around names and
// values ignored, LF or CR LF line ends.
namespace Profile {

// The value as an integer: leading blanks, an optional sign and digits; "12abc" is 12, "abc"
// is 0; a missing key, an empty value or an unreadable file give the default.
int readInt(const QString &path, const QString &section, const QString &key, int def);

// The raw value, or a null string when the key is missing.
QString readString(const QString &path, const QString &section, const QString &key);

// Sets the keys of one section in one write: existing keys are changed in place, missing ones
// are added at the end of their section (the section is added at the end of the file when
// missing). Every other line stays as it was. The file is replaced through a temporary file,
// so a failed write leaves the old one intact. Returns false when the write failed.
bool writeStrings(const QString &path, const QString &section,
                  const QList<QPair<QString, QString>> &keyValues);

// The integer parse used for profile values.
int parseInt(const QString &text);

} // namespace Profile
} // namespace delvora
