#include "namelist/plateid.h"

#include <algorithm>
#include <limits>

namespace delvora {

namespace {

// Digits without a leading zero, after an optional minus sign, within 32 bits.
bool isCanonical(const QString &cell) {
    const qsizetype sign = cell.startsWith(u'-') ? 1 : 0;
    const qsizetype digits = cell.size() - sign;
    if (digits < 1 || digits > 9 || (cell[sign] == u'0' && (digits > 1 || sign)))
        return false;
    return std::all_of(cell.begin() + sign, cell.end(),
                       [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

QString plateIdText(const QString &cell) {
    // Most cells already hold the text the rule gives.
    if (isCanonical(cell))
        return cell;
    qsizetype i = 0;
    while (i < cell.size() && cell[i].isSpace())
        ++i;
    bool negative = false;
    if (i < cell.size() && (cell[i] == u'+' || cell[i] == u'-'))
        negative = cell[i++] == u'-';
    const qint64 limit = negative ? -qint64(std::numeric_limits<int32_t>::min())
                                  : qint64(std::numeric_limits<int32_t>::max());
    qint64 value = 0;
    for (; i < cell.size() && cell[i] >= u'0' && cell[i] <= u'9'; ++i)
        value = std::min(limit, value * 10 + (cell[i].unicode() - u'0'));
    return QString::number(negative ? -value : value);
}

} // namespace delvora
