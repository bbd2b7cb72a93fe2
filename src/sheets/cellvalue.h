#pragma once

#include <QString>

namespace delvora {

// The value of one worksheet cell as the workbook stores it (for a formula, its last
// calculated result).
struct CellValue {
    enum class Type { Empty, Number, Date, Text, Boolean, Error };

    Type type = Type::Empty;
    double number = 0;               // Number and Date (the serial day number); 0 or 1 for Boolean;
                                     // the error code for Error
    QString text;                    // Text, unless it is a shared string
    const QString *shared = nullptr; // Text from the workbook's shared strings

    const QString &textValue() const { return shared ? *shared : text; }

    static CellValue ofNumber(double v, bool isDate) {
        return {isDate ? Type::Date : Type::Number, v, {}, nullptr};
    }
    static CellValue ofText(QString t) { return {Type::Text, 0, std::move(t), nullptr}; }
    // Refers to a string the workbook keeps, so cells pass it on without copying it first.
    static CellValue ofShared(const QString *t) { return {Type::Text, 0, {}, t}; }
};

} // namespace delvora
