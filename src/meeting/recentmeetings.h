#pragma once

#include <QString>
#include <QStringList>

namespace delvora {

// The meetings opened or saved last, newest first, kept in the group "[RecentMeetings]" of a
// profile file (file1 to file8). The group is written only when the list changes.
namespace RecentMeetings {

constexpr int kMax = 8;

QStringList read(const QString &profilePath);
// Puts the meeting first (once) and keeps the newest kMax; returns the list now kept.
QStringList add(const QString &profilePath, const QString &meetingPath);

} // namespace RecentMeetings
} // namespace delvora
