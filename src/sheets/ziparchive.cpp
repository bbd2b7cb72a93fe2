#include "sheets/ziparchive.h"

#include <zip.h>

#include "namelist/namelisttexts.h"
#include "sheets/spreadsheettexts.h"
#include "sheets/workbookerror.h"

namespace delvora {

ZipPartDevice::ZipPartDevice(zip_file *file, QString name, quint64 compressedSize)
    : m_file(file), m_name(std::move(name)), m_compressed(compressedSize) {
    QIODevice::open(QIODevice::ReadOnly);
}

ZipPartDevice::~ZipPartDevice() {
    zip_fclose(m_file);
}

qint64 ZipPartDevice::readData(char *data, qint64 maxSize) {
    if (!m_reason.isEmpty())
        return -1;
    const zip_int64_t n = zip_fread(m_file, data, zip_uint64_t(maxSize));
    if (n < 0) {
        m_reason = texts::damagedPart(m_name);
        return -1;
    }
    if (n == 0)
        return -1; // the end of the part
    m_read += quint64(n);
    if (m_read > ZipArchive::kMaxPartSize ||
        (m_read > ZipArchive::kRatioFloor && m_read / ZipArchive::kMaxRatio > m_compressed)) {
        m_reason = texts::partTooLarge(m_name);
        return -1;
    }
    return n;
}

bool ZipArchive::hasSignature(const QByteArray &bytes) {
    // A local file header, or the end record of an empty archive.
    return bytes.startsWith("PK\x03\x04") || bytes.startsWith("PK\x05\x06");
}

ZipArchive::ZipArchive(QByteArray bytes) : m_bytes(std::move(bytes)) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *source =
        zip_source_buffer_create(m_bytes.constData(), zip_uint64_t(m_bytes.size()), 0, &error);
    if (source)
        m_archive = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
    if (!m_archive) {
        zip_source_free(source);
        zip_error_fini(&error);
        throw WorkbookError(texts::damagedArchive());
    }
    zip_error_fini(&error);
}

ZipArchive::~ZipArchive() {
    zip_discard(m_archive);
}

bool ZipArchive::contains(const QString &name) const {
    return zip_name_locate(m_archive, name.toUtf8().constData(), 0) >= 0;
}

std::unique_ptr<ZipPartDevice> ZipArchive::open(const QString &name) const {
    const zip_int64_t index = zip_name_locate(m_archive, name.toUtf8().constData(), 0);
    if (index < 0)
        throw WorkbookError(texts::missingPart(name));
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat_index(m_archive, zip_uint64_t(index), 0, &st) != 0)
        throw WorkbookError(texts::damagedPart(name));
    if ((st.valid & ZIP_STAT_ENCRYPTION_METHOD) && st.encryption_method != ZIP_EM_NONE)
        throw WorkbookError(texts::encrypted());
    if ((st.valid & ZIP_STAT_SIZE) && (st.valid & ZIP_STAT_COMP_SIZE) &&
        (st.size > kMaxPartSize || (st.size > kRatioFloor && st.size / kMaxRatio > st.comp_size)))
        throw WorkbookError(texts::partTooLarge(name));
    zip_file_t *file = zip_fopen_index(m_archive, zip_uint64_t(index), 0);
    if (!file)
        throw WorkbookError(texts::damagedPart(name));
    const quint64 compressed = (st.valid & ZIP_STAT_COMP_SIZE) ? st.comp_size : 0;
    return std::unique_ptr<ZipPartDevice>(new ZipPartDevice(file, name, compressed));
}

} // namespace delvora
