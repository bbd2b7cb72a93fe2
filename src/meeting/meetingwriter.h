#pragma once

#include <QByteArray>
#include <QString>

#include "meeting/meetingdocument.h"

namespace delvora {

// The bytes of a meeting file: the stored part "mimetype", then "meeting.json", then
// "background.jpg" when the meeting has a picture background. Empty with `reason` set when
// the archive could not be made.
QByteArray meetingBytes(const MeetingDocument &meeting, QString &reason);

// Writes a meeting file. The file is replaced only once the new one is complete (a temporary
// file beside it, then a rename), so a failed save leaves the old file as it was. Returns the
// message naming the file and the reason, empty on success.
QString writeMeeting(const QString &path, const MeetingDocument &meeting);

} // namespace delvora
