#pragma once

#include <QString>

namespace delvora {

class Archive;

// The operator's network choice, kept in "settings.dat" in the current folder: the MAC text
// of the chosen adapter and the fixed address (empty when none is used).
class NetworkChoice {
public:
    enum class Load { Loaded, Missing, Unreadable };

    // Read from "settings.dat". A field read completely before a decoding error keeps its new
    // value.
    Load load();
    // Replace "settings.dat"; a failed save leaves the previous file as it was.
    bool save();
    // Both fields, MAC text first; false when loading ran out of bytes.
    bool serialize(Archive &ar);

    QString mac;
    QString fixedIp;
};

// The name the settings file has in the current folder.
QString settingsFileName();

} // namespace delvora
