#include "layout/platecanvas.h"

#include <QBuffer>
#include <QImageReader>

namespace delvora {

QImage PlateCanvas::builtInTemplate() {
    QImage image(1024, 600, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 0));
    return image;
}

namespace {
QImage scaledTo(const QImage &source, int width, int height) {
    if (source.isNull() || (source.width() == width && source.height() == height))
        return source.convertToFormat(QImage::Format_RGB32);
    return source.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}
} // namespace

void PlateCanvas::setPlateSize(int width) {
    // Only the width decides. A hand-edited size of another kind is taken as the plate it
    // stands for, so that rows are laid out on the picture that is really made.
    const bool small = width == 800;
    m_width = small ? 800 : 1024;
    m_height = small ? 480 : 600;
}

bool PlateCanvas::initCanvas(const QString &templatePath, const QColor &backColor) {
    QImageReader reader(templatePath);
    QImage loaded = reader.read();
    const bool ok = !loaded.isNull();
    if (!ok)
        loaded = builtInTemplate();
    m_template = loaded.convertToFormat(QImage::Format_RGB32);
    setPlateSize(m_width);
    m_background = scaledTo(m_template, m_width, m_height);
    fillBackground(backColor);
    return ok;
}

void PlateCanvas::fillBackground(const QColor &color) {
    if (m_background.isNull())
        return;
    m_background.fill(color);
}

void PlateCanvas::setBackgroundPicture(const QImage &picture) {
    m_background = picture.isNull() ? QImage() : scaledTo(picture, m_width, m_height);
}

void PlateCanvas::setResolution(int width, int height, const QColor &backColor) {
    m_width = width;
    m_height = height;
    m_background = scaledTo(m_template.isNull() ? builtInTemplate() : m_template, width, height);
    fillBackground(backColor);
}

QImage readPicture(const QByteArray &bytes, const char *format) {
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, format);
    return reader.read();
}

QRect previewGeometry(int canvasWidth, int canvasHeight) {
    const int x = int((1024 - canvasWidth) * 0.25 + 10);
    const int y = int((600 - canvasHeight) * 0.25 + 10);
    return QRect(x, y, canvasWidth / 2, canvasHeight / 2);
}

} // namespace delvora
