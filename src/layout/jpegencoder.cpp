#include "layout/jpegencoder.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QtEndian>

#ifdef DELVORA_HAVE_TURBOJPEG
#include <turbojpeg.h>
#endif

namespace delvora {

QByteArray encodeJpegWithImageWriter(const QImage &picture, int quality) {
    if (picture.isNull())
        return {};
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(quality);
    if (!writer.write(picture))
        return {};
    return jpeg;
}

#ifdef DELVORA_HAVE_TURBOJPEG

namespace {

// One compressor and output buffer per thread, kept for the thread's life: creating them
// costs more than a small picture's encoding.
struct Compressor {
    tjhandle handle = tjInitCompress();
    unsigned char *buffer = nullptr;
    unsigned long capacity = 0;
    ~Compressor() {
        tjFree(buffer);
        if (handle)
            tjDestroy(handle);
    }
};

Compressor &threadCompressor() {
    thread_local Compressor compressor;
    return compressor;
}

// Qt's writer records the picture's resolution in dots per inch; TurboJPEG leaves the density
// unspecified. The fields sit at fixed places in the JFIF segment that opens both outputs.
void writeJfifDensity(QByteArray &jpeg, const QImage &picture) {
    static const char jfif[] = "\xFF\xD8\xFF\xE0\x00\x10JFIF";
    if (jpeg.size() < 20 || !jpeg.startsWith(QByteArray::fromRawData(jfif, sizeof jfif)))
        return;
    char *p = jpeg.data();
    p[13] = 1; // dots per inch
    qToBigEndian<quint16>(quint16(qRound(picture.dotsPerMeterX() * 2.54 / 100)), p + 14);
    qToBigEndian<quint16>(quint16(qRound(picture.dotsPerMeterY() * 2.54 / 100)), p + 16);
}

} // namespace

bool hasFastJpegEncoder() {
    return true;
}

QByteArray encodePlateJpeg(const QImage &picture, int quality) {
    const QImage::Format format = picture.format();
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
        format != QImage::Format_ARGB32_Premultiplied)
        return encodeJpegWithImageWriter(picture, quality);
    // Qt's writer takes these pixels' colour channels as they are, alpha ignored; so does the
    // X of the pixel format. Below 0 is Qt's default quality.
    quality = quality < 0 ? 75 : std::min(quality, 100);
    Compressor &c = threadCompressor();
    if (!c.handle)
        return encodeJpegWithImageWriter(picture, quality);
    const unsigned long needed = tjBufSize(picture.width(), picture.height(), TJSAMP_420);
    if (needed > c.capacity) {
        tjFree(c.buffer);
        c.buffer = tjAlloc(int(needed));
        c.capacity = c.buffer ? needed : 0;
        if (!c.buffer)
            return {};
    }
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    const int pixelFormat = TJPF_BGRX;
#else
    const int pixelFormat = TJPF_XRGB;
#endif
    unsigned char *out = c.buffer;
    unsigned long size = c.capacity;
    // The exact DCT, as Qt's writer uses; TurboJPEG would pick a faster one below quality 96.
    if (tjCompress2(c.handle, picture.constBits(), picture.width(), int(picture.bytesPerLine()),
                    picture.height(), pixelFormat, &out, &size, TJSAMP_420, quality,
                    TJFLAG_NOREALLOC | TJFLAG_ACCURATEDCT) != 0)
        return {};
    QByteArray jpeg(reinterpret_cast<const char *>(out), qsizetype(size));
    writeJfifDensity(jpeg, picture);
    return jpeg;
}

#else

bool hasFastJpegEncoder() {
    return false;
}

QByteArray encodePlateJpeg(const QImage &picture, int quality) {
    return encodeJpegWithImageWriter(picture, quality);
}

#endif

bool writeJpegFile(const QByteArray &jpeg, const QString &path) {
    QFile file(path);
    return !jpeg.isEmpty() && file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(jpeg) == jpeg.size() && file.flush();
}

} // namespace delvora
