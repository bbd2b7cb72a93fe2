#pragma once

#include <QJsonObject>
#include <QString>

#include "meeting/meetingdocument.h"

namespace delvora {

// The name of the meeting's JSON part, as messages name it.
inline constexpr char16_t kMeetingJson[] = u"meeting.json";

// meeting.json of a meeting (docs/meeting-format.md). The background picture itself is a part
// of its own; the JSON says only whether there is one.
QJsonObject meetingToJson(const MeetingDocument &meeting);

// Fills `meeting` from meeting.json; returns the reason when the JSON is not a meeting of a
// format this program reads (a missing member, a wrong type, a value out of range, a newer
// format), empty on success. The background part is not read here: `picture` says whether the
// meeting has one.
QString meetingFromJson(const QJsonObject &json, MeetingDocument &meeting, bool &picture);

} // namespace delvora
