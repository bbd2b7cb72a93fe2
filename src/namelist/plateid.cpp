#include "namelist/plateid.h"

#include <limits>

namespace delvora {

QString PlateIdText(QStringView cell) {
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
