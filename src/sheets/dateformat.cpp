#include "sheets/dateformat.h"

#include <algorithm>

namespace delvora {

namespace {

bool isBuiltInDate(int code) {
    // 14-22 and 45-47 everywhere; 27-36 and 50-58 are the East Asian date formats.
    return (code >= 14 && code <= 22) || (code >= 27 && code <= 36) || (code >= 45 && code <= 47) ||
           (code >= 50 && code <= 58);
}

} // namespace

bool isDateFormat(int code, QStringView format) {
    if (format.isEmpty())
        return isBuiltInDate(code);

    // Count date letters and digit placeholders outside quoted text, escapes, fill and
    // padding characters and bracketed colours, conditions and locales. Elapsed-time brackets
    // ([h], [mm], [ss]) count as dates.
    int dateLetters = 0;
    int digits = 0;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c == u'"') {
            const qsizetype close = format.indexOf(u'"', i + 1);
            i = close < 0 ? format.size() : close;
        } else if (c == u'\\' || c == u'_' || c == u'*') {
            ++i;
        } else if (c == u'[') {
            const qsizetype close = format.indexOf(u']', i + 1);
            const QStringView inside =
                format.mid(i + 1, (close < 0 ? format.size() : close) - i - 1);
            if (!inside.isEmpty() &&
                std::all_of(
                    inside.begin(), inside.end(),
                    [first = inside.front().toLower()](QChar x) { return x.toLower() == first; }) &&
                (inside.front().toLower() == u'h' || inside.front().toLower() == u'm' ||
                 inside.front().toLower() == u's'))
                ++dateLetters;
            i = close < 0 ? format.size() : close;
        } else {
            switch (c.toLower().unicode()) {
            case u'y':
            case u'm':
            case u'd':
            case u'h':
            case u's':
                ++dateLetters;
                break;
            case u'0':
            case u'#':
            case u'?':
                ++digits;
                break;
            default:
                break;
            }
        }
    }
    return dateLetters > digits;
}

} // namespace delvora
