#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "meeting/meetingdocument.h"

namespace delvora {

// The mimetype a meeting file names in its first part.
inline constexpr char kMeetingMimeType[] = "application/x-delvora-meeting";

// A meeting read from a file: the document, or the message that says which file could not
// be read and why.
struct MeetingReadResult {
    std::optional<MeetingDocument> document;
    QString error;

    bool ok() const { return document.has_value(); }
};

// Reads a meeting file (.delvora). Every fault of the file gives one message naming the file
// and the problem; nothing is read partly.
MeetingReadResult readMeeting(const QString &path);

// The same from the file's bytes; on failure `reason` says why (without the file's name).
std::optional<MeetingDocument> parseMeeting(const QByteArray &bytes, QString &reason);

// True when the bytes start as a meeting file does: a zip archive whose first part is the
// stored "mimetype" naming a meeting. The first 128 bytes of a file are enough.
bool looksLikeMeeting(const QByteArray &head);
// The same for a file on disk (a file dropped on the window or named on the command line).
bool isMeetingFile(const QString &path);

} // namespace delvora
