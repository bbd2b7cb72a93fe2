#include "support/jpegcheck.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>

namespace delvora::test {

QImage decodeJpeg(const QString &path) {
    QImageReader reader(path, "jpeg");
    return reader.read();
}

QImage decodeJpeg(const QByteArray &bytes) {
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpeg");
    return reader.read();
}

QByteArray qtWriterJpeg(const QImage &picture, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(quality);
    writer.write(picture);
    return bytes;
}

bool near(const QColor &a, const QColor &b, int tolerance) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

int countNear(const QImage &image, const QRect &area, const QColor &color, int tolerance) {
    int n = 0;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (near(image.pixelColor(x, y), color, tolerance))
                ++n;
    return n;
}

} // namespace delvora::test
