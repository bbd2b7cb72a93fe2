#include "meeting/meetingreader.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QtEndian>

#include "layout/platecanvas.h"
#include "meeting/meetingjson.h"
#include "meeting/meetingtexts.h"
#include "sheets/spreadsheettexts.h"
#include "sheets/workbookerror.h"
#include "sheets/ziparchive.h"

namespace delvora {

namespace {

constexpr char16_t kBackgroundJpg[] = u"background.jpg";

// A whole part, inflated within the list readers' limits.
QByteArray readPart(const ZipArchive &archive, const QString &name) {
    const std::unique_ptr<ZipPartDevice> device = archive.open(name);
    QByteArray bytes = device->readAll();
    if (!device->reasonText().isEmpty())
        throw WorkbookError(device->reasonText());
    return bytes;
}

QImage decodeJpeg(const QByteArray &bytes) {
    return bytes.startsWith("\xFF\xD8\xFF") ? readPicture(bytes, "jpeg") : QImage();
}

} // namespace

bool looksLikeMeeting(const QByteArray &head) {
    // The local header of the first part: signature, method at 8, sizes at 18 and 22, name
    // length at 26, extra field length at 28, then the name and the stored content.
    const QByteArray type(kMeetingMimeType);
    if (head.size() < 30 || !head.startsWith("PK\x03\x04"))
        return false;
    const char *p = head.constData();
    const quint16 method = qFromLittleEndian<quint16>(p + 8);
    const quint32 compressed = qFromLittleEndian<quint32>(p + 18);
    const quint32 size = qFromLittleEndian<quint32>(p + 22);
    const quint16 nameLength = qFromLittleEndian<quint16>(p + 26);
    const quint16 extraLength = qFromLittleEndian<quint16>(p + 28);
    const qsizetype content = 30 + qsizetype(nameLength) + extraLength;
    return method == 0 && nameLength == 8 && head.mid(30, 8) == "mimetype" &&
           compressed == quint32(type.size()) && size == quint32(type.size()) &&
           head.mid(content, type.size()) == type;
}

bool isMeetingFile(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return looksLikeMeeting(file.read(128 + 0xFFFF));
}

std::optional<MeetingDocument> parseMeeting(const QByteArray &bytes, QString &reason) {
    if (!looksLikeMeeting(bytes)) {
        reason = texts::notMeetingFile();
        return {};
    }
    try {
        const ZipArchive archive(bytes);
        const QString jsonPart = QString::fromUtf16(kMeetingJson);
        QJsonParseError error;
        const QJsonDocument json = QJsonDocument::fromJson(readPart(archive, jsonPart), &error);
        if (error.error != QJsonParseError::NoError) {
            reason = texts::jsonMalformed(jsonPart, error.offset);
            return {};
        }
        if (!json.isObject()) {
            reason = texts::jsonNotObject(jsonPart);
            return {};
        }
        MeetingDocument meeting;
        bool picture = false;
        reason = meetingFromJson(json.object(), meeting, picture);
        if (!reason.isEmpty())
            return {};
        if (picture) {
            const QString name = QString::fromUtf16(kBackgroundJpg);
            meeting.backgroundJpeg = readPart(archive, name);
            meeting.backgroundPicture = decodeJpeg(meeting.backgroundJpeg);
            if (meeting.backgroundPicture.isNull()) {
                reason = texts::notJpeg(name);
                return {};
            }
        }
        return meeting;
    } catch (const WorkbookError &e) {
        reason = e.text();
        return {};
    }
}

MeetingReadResult readMeeting(const QString &path) {
    MeetingReadResult result;
    const QFileInfo info(path);
    const auto fail = [&](const QString &reason) {
        result.error = texts::meetingOpenFailed(path, reason);
        return result;
    };
    if (info.isDir())
        return fail(texts::meetingIsFolder());
    if (!info.exists())
        return fail(texts::meetingFileMissing());
    if (quint64(info.size()) > ZipArchive::kMaxPartSize)
        return fail(texts::meetingFileTooLarge());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(texts::meetingFileUnreadable(file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return fail(texts::meetingFileUnreadable(file.errorString()));
    QString reason;
    result.document = parseMeeting(bytes, reason);
    if (!result.document)
        return fail(reason);
    return result;
}

} // namespace delvora
