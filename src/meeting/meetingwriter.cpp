#include "meeting/meetingwriter.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSaveFile>
#include <zip.h>

#include "meeting/meetingjson.h"
#include "meeting/meetingreader.h"
#include "meeting/meetingtexts.h"

namespace delvora {

namespace {

QString zipReason(zip_error_t *error) {
    return QString::fromUtf8(zip_error_strerror(error));
}

// An archive written into memory.
class ZipWriter {
public:
    ZipWriter() {
        zip_error_init(&m_error);
        m_source = zip_source_buffer_create(nullptr, 0, 0, &m_error);
        if (!m_source)
            return;
        // The source outlives the archive: the bytes are read from it after closing.
        zip_source_keep(m_source);
        m_archive = zip_open_from_source(m_source, ZIP_TRUNCATE, &m_error);
    }
    ~ZipWriter() {
        if (m_archive)
            zip_discard(m_archive);
        if (m_source)
            zip_source_free(m_source);
        zip_error_fini(&m_error);
    }
    ZipWriter(const ZipWriter &) = delete;
    ZipWriter &operator=(const ZipWriter &) = delete;

    // The bytes must stay alive until finish().
    void add(const char *name, const QByteArray &bytes, bool stored) {
        if (!m_archive || m_failed)
            return;
        zip_source_t *part =
            zip_source_buffer(m_archive, bytes.constData(), zip_uint64_t(bytes.size()), 0);
        const zip_int64_t index = part ? zip_file_add(m_archive, name, part, ZIP_FL_ENC_UTF_8) : -1;
        if (index < 0) {
            zip_source_free(part);
            m_failed = true;
            return;
        }
        m_failed = zip_set_file_compression(m_archive, zip_uint64_t(index),
                                            stored ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 0) != 0;
    }

    QByteArray finish(QString &reason) {
        if (!m_archive || m_failed || zip_close(m_archive) != 0) {
            reason = m_archive ? zipReason(zip_get_error(m_archive)) : zipReason(&m_error);
            return {};
        }
        m_archive = nullptr;
        zip_stat_t st;
        zip_stat_init(&st);
        QByteArray bytes;
        if (zip_source_stat(m_source, &st) == 0 && zip_source_open(m_source) == 0) {
            bytes.resize(qsizetype(st.size));
            const zip_int64_t n = zip_source_read(m_source, bytes.data(), st.size);
            zip_source_close(m_source);
            if (n == zip_int64_t(st.size))
                return bytes;
        }
        reason = zipReason(zip_source_error(m_source));
        return {};
    }

private:
    zip_error_t m_error;
    zip_source_t *m_source = nullptr;
    zip_t *m_archive = nullptr;
    bool m_failed = false;
};

} // namespace

QByteArray meetingBytes(const MeetingDocument &meeting, QString &reason) {
    const QByteArray type(kMeetingMimeType);
    const QByteArray json = QJsonDocument(meetingToJson(meeting)).toJson(QJsonDocument::Indented);
    ZipWriter zip;
    // A part that cannot be added makes finish() fail. JPEG does not shrink by deflating: the
    // picture is stored as it is.
    zip.add("mimetype", type, true);
    zip.add("meeting.json", json, false);
    if (meeting.hasPicture())
        zip.add("background.jpg", meeting.backgroundJpeg, true);
    return zip.finish(reason);
}

QString writeMeeting(const QString &path, const MeetingDocument &meeting) {
    const QFileInfo info(path);
    if (info.isDir())
        return texts::meetingSaveFailed(path, texts::saveTargetIsFolder());
    if (!info.absoluteDir().exists())
        return texts::meetingSaveFailed(path, texts::saveFolderMissing());
    QString reason;
    const QByteArray bytes = meetingBytes(meeting, reason);
    if (bytes.isEmpty())
        return texts::meetingSaveFailed(path, reason);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return texts::meetingSaveFailed(path, file.errorString());
    return {};
}

} // namespace delvora
