#include "common/integertext.h"

#include <limits>

namespace delvora {

std::optional<int> parseDialogInt(const QString &text) {
    qsizetype i = 0;
    while (i < text.size() && (text.at(i) == u' ' || text.at(i) == u'\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == u'-' || text.at(i) == u'+')) {
        negative = text.at(i) == u'-';
        ++i;
    }
    const qsizetype digitsStart = i;
    long long value = 0;
    constexpr long long limit = 1LL << 32;
    while (i < text.size() && text.at(i) >= u'0' && text.at(i) <= u'9') {
        value = std::min(value * 10 + (text.at(i).unicode() - u'0'), limit);
        ++i;
    }
    if (i == digitsStart)
        return std::nullopt;
    if (negative)
        value = -value;
    return int(std::clamp<long long>(value, std::numeric_limits<int>::min(),
                                     std::numeric_limits<int>::max()));
}

int parseIntOrZero(const QString &text) {
    return parseDialogInt(text).value_or(0);
}

} // namespace delvora
