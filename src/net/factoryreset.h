#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace delvora {

class PlateSocket;
class OnlinePlates;

// 恢复出厂设置: after a confirmation that lists them, every selected plate of the online list
// is told to clear its ID, address and picture. No answer is awaited.
class FactoryReset {
public:
    // Sends the reset to the selected rows in row order; returns how many were sent to.
    static int command(const OnlinePlates &plates, PlateSocket &socket, QWidget *owner);
    // The confirmation for these plate IDs: five to a line, tab-separated, every ID followed
    // by its separator.
    static QString question(const QStringList &ids);
};

} // namespace delvora
