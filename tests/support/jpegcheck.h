#pragma once

#include <QColor>
#include <QImage>
#include <QString>

namespace delvora::test {

// Decodes a JPEG file for real; a null image when it is not one.
QImage decodeJpeg(const QString &path);
QImage decodeJpeg(const QByteArray &bytes);

// The picture as Qt's own JPEG writer codes it: a yardstick independent of the program's encoder.
QByteArray qtWriterJpeg(const QImage &picture, int quality);

// True when two colours differ by at most `tolerance` in each channel (JPEG is lossy).
bool near(const QColor &a, const QColor &b, int tolerance = 24);

// Number of pixels in the rectangle close to the colour.
int countNear(const QImage &image, const QRect &area, const QColor &color, int tolerance = 40);

} // namespace delvora::test
