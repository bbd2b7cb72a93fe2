// Arbitrary text, read both as UTF-8 and as UTF-16, as an address cell: the digit form is
// nothing or twelve characters of four "%03d" groups, and agrees with a plain second
// implementation of the splitting rule.
#include "fuzzsupport.h"
#include "referenceint.h"

#include "usb/addressdigits.h"

#include <cstring>
#include <optional>

using namespace delvora;

namespace {

// "%03d" for -99..999.
QByteArray threeCharacters(int v) {
    QByteArray out;
    if (v < 0) {
        out += '-';
        v = -v;
        out += char('0' + v / 10);
    } else {
        out += char('0' + v / 100);
        out += char('0' + v / 10 % 10);
    }
    out += char('0' + v % 10);
    return out;
}

std::optional<QByteArray> referenceDigits(QStringView s) {
    QByteArray out;
    for (int group = 0; group < 4; ++group) {
        QStringView part;
        if (group == 3) {
            part = s;
        } else if (const qsizetype dot = s.indexOf(u'.'); dot >= 0) {
            part = s.first(dot);
            s = s.sliced(dot + 1);
        }
        const int v = fuzz::referenceInt(part);
        if (v < -99 || v > 999)
            return std::nullopt;
        out += threeCharacters(v);
    }
    return out;
}

void check(const QString &address) {
    const std::optional<QByteArray> got = addressDigits(address);
    const std::optional<QByteArray> want = referenceDigits(address);
    const QString shown = address.left(200);
    FUZZ_CHECK(got.has_value() == want.has_value(), shown);
    if (!got)
        return;
    FUZZ_CHECK(*got == *want, shown + QStringLiteral(" gave ") + QString::fromLatin1(*got));
    FUZZ_CHECK(got->size() == 12, shown);
    for (qsizetype i = 0; i < got->size(); ++i) {
        const char c = got->at(i);
        // A minus sign only opens a group.
        FUZZ_CHECK((c >= '0' && c <= '9') || (c == '-' && i % 3 == 0), shown);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    check(QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size)));
    QString wide(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(wide.data(), data, size / 2 * 2);
    check(wide);
    return 0;
}
