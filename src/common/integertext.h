#pragma once

#include <QCoreApplication>
#include <QString>
#include <optional>

namespace delvora {

// Reads an integer the way dialog edits are read: leading blanks, an optional sign, at least
// one digit; what follows the digits is ignored ("12a" is 12). No digits: no value. Values
// beyond the 32-bit range are clamped to it.
std::optional<int> parseDialogInt(const QString &text);

// The lenient form: like ParseDialogInt, but text without digits reads 0.
int parseIntOrZero(const QString &text);

// The message shown when an edit holds no integer.
inline QString notAnIntegerText() {
    return QCoreApplication::translate("integertext", "请输入一个整数。");
}

} // namespace delvora
