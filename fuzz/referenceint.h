#pragma once

#include <QStringView>
#include <climits>

namespace delvora::fuzz {

// A second, deliberately plain reading of integer text for the fuzzers to compare against:
// spaces and tabs, an optional sign, decimal digits; no digits reads 0; the result saturates at
// the 32-bit range.
inline int referenceInt(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    bool minus = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        minus = text[i++] == u'-';
    long long magnitude = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        magnitude = magnitude * 10 + (text[i].unicode() - u'0');
        if (magnitude > 1LL << 40)
            magnitude = 1LL << 40;
    }
    const long long value = minus ? -magnitude : magnitude;
    return value < INT_MIN ? INT_MIN : value > INT_MAX ? INT_MAX : int(value);
}

} // namespace delvora::fuzz
