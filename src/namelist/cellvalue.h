#pragma once

#include <QString>

namespace delvora {

// The value of one worksheet cell as the workbook stores it (for a formula, its last
// calculated result).
struct CellValue {
    enum class Type { Empty, Number, Date, Text, Boolean, Error };

    Type type = Type::Empty;
    double number = 0; // Number and Date (the serial day number); 0 or 1 for Boolean;
                       // the error code for Error
    QString text;      // Text

    static CellValue ofNumber(double v, bool isDate) {
        return {isDate ? Type::Date : Type::Number, v, {}};
    }
    static CellValue ofText(QString t) { return {Type::Text, 0, std::move(t)}; }
};

} // namespace delvora
