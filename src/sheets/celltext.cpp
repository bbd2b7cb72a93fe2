#include "sheets/celltext.h"

#include <QDate>
#include <QDateTime>
#include <charconv>
#include <cmath>

namespace delvora {

namespace {

QString errorText(int code) {
    switch (code) {
    case 0x00:
        return QStringLiteral("#NULL!");
    case 0x07:
        return QStringLiteral("#DIV/0!");
    case 0x0F:
        return QStringLiteral("#VALUE!");
    case 0x17:
        return QStringLiteral("#REF!");
    case 0x1D:
        return QStringLiteral("#NAME?");
    case 0x24:
        return QStringLiteral("#NUM!");
    case 0x2A:
        return QStringLiteral("#N/A");
    default:
        return QStringLiteral("#ERR");
    }
}

// Most cells hold whole numbers; this is much quicker than the locale-aware conversions.
QString integerText(qint64 value) {
    char16_t digits[20];
    int n = 0;
    quint64 rest = value < 0 ? 0 - quint64(value) : quint64(value);
    do {
        digits[n++] = char16_t(u'0' + rest % 10);
        rest /= 10;
    } while (rest);
    const int sign = value < 0 ? 1 : 0;
    QString out(n + sign, Qt::Uninitialized);
    char16_t *p = reinterpret_cast<char16_t *>(out.data());
    if (sign)
        *p++ = u'-';
    while (n)
        *p++ = digits[--n];
    return out;
}

} // namespace

QString numberText(double value) {
    if (!std::isfinite(value))
        return QStringLiteral("#NUM!");
    if (value > -1e18 && value < 1e18 && value == double(qint64(value)))
        return integerText(qint64(value));

    // Shortest digits that read back to the same double, then placed like a spreadsheet
    // shows them: plain decimals for ordinary magnitudes, an exponent otherwise.
    char buf[32];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
    const std::string_view sci(buf, size_t(res.ptr - buf));
    const size_t e = sci.find('e');
    const int exponent = std::stoi(std::string(sci.substr(e + 1)));
    if (exponent < -6 || exponent >= 18)
        return QString::fromLatin1(sci.data(), qsizetype(sci.size())).toUpper();

    QString digits;
    const bool negative = sci.front() == '-';
    for (char c : sci.substr(negative ? 1 : 0, e - (negative ? 1 : 0)))
        if (c != '.')
            digits.append(QLatin1Char(c));
    QString out = negative ? QStringLiteral("-") : QString();
    if (exponent < 0) {
        out += QStringLiteral("0.") + QString(-exponent - 1, u'0') + digits;
    } else {
        const qsizetype whole = exponent + 1;
        if (digits.size() <= whole)
            out += digits + QString(whole - digits.size(), u'0');
        else
            out += digits.left(whole) + u'.' + digits.mid(whole);
    }
    return out;
}

QString dateText(double serial, bool dates1904) {
    // Up to 9999-12-31.
    if (!std::isfinite(serial) || serial < 0 || serial >= (dates1904 ? 2957004 : 2958466))
        return {};
    qint64 seconds = std::llround(serial * 86400.0);
    const qint64 days = seconds / 86400;
    seconds %= 86400;
    const QString time = QStringLiteral("%1:%2:%3")
                             .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
                             .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
                             .arg(seconds % 60, 2, 10, QLatin1Char('0'));
    // A pure time of day is stored as a fraction of a day.
    if (days == 0)
        return time;

    QString date;
    if (dates1904) {
        date = QDate(1904, 1, 1).addDays(days).toString(Qt::ISODate);
    } else if (days == 60) {
        // The 1900 system counts a 29 February 1900 that never was.
        date = QStringLiteral("1900-02-29");
    } else {
        date = QDate(1899, 12, days < 60 ? 31 : 30).addDays(days).toString(Qt::ISODate);
    }
    return seconds == 0 ? date : date + u' ' + time;
}

std::optional<double> isoDateSerial(const QString &text, bool dates1904) {
    QDateTime when = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (!when.isValid())
        when = QDateTime(QDate::fromString(text, Qt::ISODate), QTime(0, 0));
    if (!when.isValid())
        return std::nullopt;
    const QDate epoch = dates1904 ? QDate(1904, 1, 1) : QDate(1899, 12, 30);
    return double(epoch.daysTo(when.date())) + when.time().msecsSinceStartOfDay() / 86400000.0;
}

QString cellText(CellValue value, bool dates1904) {
    switch (value.type) {
    case CellValue::Type::Empty:
        return {};
    case CellValue::Type::Number:
        return numberText(value.number);
    case CellValue::Type::Date: {
        const QString date = dateText(value.number, dates1904);
        return date.isEmpty() ? numberText(value.number) : date;
    }
    case CellValue::Type::Text:
        return value.shared ? *value.shared : std::move(value.text);
    case CellValue::Type::Boolean:
        return value.number != 0 ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    case CellValue::Type::Error:
        return errorText(int(value.number));
    }
    return {};
}

} // namespace delvora
