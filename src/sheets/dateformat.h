#pragma once

#include <QStringView>

namespace delvora {

// Whether a number format shows its number as a date or time. `code` is the format's index;
// `format` its text when the workbook defines it, or empty for Excel's built-in formats.
bool isDateFormat(int code, QStringView format);

} // namespace delvora
