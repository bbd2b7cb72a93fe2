#pragma once

#include <QByteArray>
#include <QString>

namespace delvora {

// Decodes 8-bit text of an Excel 95 workbook from the Windows code page its CODEPAGE record
// names (936 for simplified Chinese, 1252 for Western, ...). Bytes the code page cannot map
// become U+FFFD; an unknown code page is read as Latin-1.
QString decodeCodePage(int codePage, const QByteArray &bytes);

} // namespace delvora
