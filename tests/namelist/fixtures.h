#pragma once

#include <QString>

// The workbooks the build made from the scripts in fixtures/.
inline QString fixture(const QString &name) {
    return QStringLiteral(DELVORA_FIXTURES "/") + name;
}
