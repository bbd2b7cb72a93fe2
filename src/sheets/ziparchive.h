#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <memory>

struct zip;
struct zip_file;
struct zip_source;

namespace delvora {

// One part of a zip archive, inflated as it is read. Reading fails (returns -1) once the part
// grows past the size limit or out of all proportion to its compressed size, so a zip bomb
// never gets far; reasonText() then tells why.
class ZipPartDevice : public QIODevice {
public:
    ~ZipPartDevice() override;
    bool isSequential() const override { return true; }
    // The reason the last read failed, or empty.
    QString reasonText() const { return m_reason; }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    friend class ZipArchive;
    ZipPartDevice(zip_file *file, QString name, quint64 compressedSize);

    zip_file *m_file;
    QString m_name;
    quint64 m_compressed;
    quint64 m_read = 0;
    QString m_reason;
};

// A zip archive held in memory (an .xlsx or .ods file), read through libzip with its
// consistency checks on.
class ZipArchive {
public:
    // A part may inflate to at most this many bytes, and to at most kMaxRatio times its
    // compressed size once past kRatioFloor bytes.
    static constexpr quint64 kMaxPartSize = 256ull << 20;
    static constexpr quint64 kMaxRatio = 1000;
    static constexpr quint64 kRatioFloor = 1ull << 20;

    // Raises WorkbookError when the bytes are no readable zip archive.
    explicit ZipArchive(QByteArray bytes);
    ~ZipArchive();
    ZipArchive(const ZipArchive &) = delete;
    ZipArchive &operator=(const ZipArchive &) = delete;

    bool contains(const QString &name) const;
    // The part of that name, opened for reading. Raises WorkbookError when it is missing,
    // encrypted, declares a size past the limits or cannot be opened.
    std::unique_ptr<ZipPartDevice> open(const QString &name) const;

    static bool hasSignature(const QByteArray &bytes);

private:
    QByteArray m_bytes; // libzip reads from this buffer without copying it
    zip *m_archive = nullptr;
};

} // namespace delvora
