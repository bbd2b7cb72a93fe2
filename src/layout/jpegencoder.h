#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace delvora {

// Plate pictures as JPEG: baseline, 4:2:0, the given quality (0..100), with the JFIF header
// the program has always written. RGB32 and ARGB32 pictures go straight from their pixels to
// the encoder; other formats, and builds without TurboJPEG, use Qt's image writer, whose
// output decodes to the same pixels. Empty for a null picture or an encoder failure.
// Safe to call from several threads at once.
QByteArray encodePlateJpeg(const QImage &picture, int quality);

// The same picture through Qt's image writer alone: the fallback, and the yardstick that the
// fast path is compared with.
QByteArray encodeJpegWithImageWriter(const QImage &picture, int quality);

// True when EncodePlateJpeg uses TurboJPEG in this build.
bool hasFastJpegEncoder();

// Replaces the file with these bytes; false when it cannot be written completely.
bool writeJpegFile(const QByteArray &jpeg, const QString &path);

} // namespace delvora
