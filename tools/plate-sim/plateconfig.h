#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace platesim {

// One simulated plate as the command line describes it: ID@ADDRESS[,OPTION...].
struct PlateConfig {
    int id = 0;
    QString address;             // a loopback address, 127.0.0.2 and up
    bool silent = false;         // never answers a datagram
    bool noConnect = false;      // never fetches its picture
    int connectDelayMs = 0;      // waits this long before connecting for the picture
    qint64 readLimit = -1;       // stops reading the picture after this many bytes
    qint64 closeAfter = -1;      // drops the connection after this many bytes
    std::optional<int> idAnswer; // answers an ID change with this ID instead of the new one
    std::optional<QByteArray> discoveryAnswer; // answers discovery with these bytes, not its ID
    qint64 chatter = 0;        // writes this many bytes of noise on the picture connection
    bool connectTwice = false; // opens a second connection along with the one for its picture
    // The ports, the same for every plate of a run (--udp-port, --picture-port).
    quint16 udpPort = 8089;     // listens here and answers to this port of the asker
    quint16 picturePort = 8087; // fetches its picture from this TCP port of the asker
};

// Parses one plate argument; on failure returns nothing and sets `error`.
std::optional<PlateConfig> ParsePlateConfig(const QString &text, QString &error);

// The option names ParsePlateConfig knows, for the help text.
QString PlateOptionsHelp();

} // namespace platesim
