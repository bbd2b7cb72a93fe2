#pragma once

#include <QString>
#include <optional>

#include "sheets/cellvalue.h"

namespace delvora {

// A cell's value as the text the name list and the address export take: a whole number
// without a decimal point (12, not 12.0), any other number in its shortest exact decimal form,
// a date or time in ISO form, TRUE or FALSE, an error as Excel shows it (#N/A, ...), text as
// it stands and an empty cell as empty text.
QString cellText(CellValue value, bool dates1904);

// A number in the form above.
QString numberText(double value);

// A serial day number as "yyyy-MM-dd", "hh:mm:ss" (below one day) or "yyyy-MM-dd hh:mm:ss",
// rounded to the second; empty when it is no date.
QString dateText(double serial, bool dates1904);

// The serial day number of an ISO date or date and time ("2024-03-01", "2024-03-01T09:30:00"),
// as the newer formats write dates; none when it is neither.
std::optional<double> isoDateSerial(const QString &text, bool dates1904);

} // namespace delvora
