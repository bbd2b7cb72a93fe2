#include "layout/platecanvas.h"

#include <QImageReader>
#include <QPainter>

#include "layout/jpegencoder.h"

namespace delvora {

QImage PlateCanvas::BuiltInTemplate() {
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

void PlateCanvas::SetPlateSize(int width) {
    // Only the width decides. A hand-edited size of another kind is taken as the plate it
    // stands for, so that rows are laid out on the picture that is really made.
    const bool small = width == 800;
    m_nWidth = small ? 800 : 1024;
    m_nHeight = small ? 480 : 600;
}

bool PlateCanvas::InitCanvas(const QString &templatePath, COLORREF backColor) {
    QImageReader reader(templatePath);
    QImage loaded = reader.read();
    const bool ok = !loaded.isNull();
    if (!ok)
        loaded = BuiltInTemplate();
    m_pTemplate = loaded.convertToFormat(QImage::Format_RGB32);
    SetPlateSize(m_nWidth);
    m_pBackground = scaledTo(m_pTemplate, m_nWidth, m_nHeight);
    m_pPreview = m_pBackground;
    FillBackground(RedOf(backColor), GreenOf(backColor), BlueOf(backColor));
    return ok;
}

void PlateCanvas::FillBackground(int red, int green, int blue) {
    if (m_pBackground.isNull())
        return;
    m_pBackground.fill(QColor(red & 0xFF, green & 0xFF, blue & 0xFF));
}

void PlateCanvas::SetBackgroundPicture(const QImage &picture) {
    m_pBackground = picture.isNull() ? QImage() : scaledTo(picture, m_nWidth, m_nHeight);
}

void PlateCanvas::SetResolution(int width, int height, COLORREF backColor) {
    m_nWidth = width;
    m_nHeight = height;
    m_pBackground = scaledTo(m_pTemplate.isNull() ? BuiltInTemplate() : m_pTemplate, width, height);
    FillBackground(RedOf(backColor), GreenOf(backColor), BlueOf(backColor));
}

void PlateCanvas::DrawPreview(QPainter &painter, const QRect &target) const {
    if (m_pPreview.isNull())
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(target, m_pPreview);
}

bool PlateCanvas::SavePlateJpeg(const QImage &picture, const QString &path, int quality) {
    return WriteJpegFile(EncodePlateJpeg(picture, quality), path);
}

QRect PreviewGeometry(int canvasWidth, int canvasHeight) {
    const int x = int((1024 - canvasWidth) * 0.25 + 10);
    const int y = int((600 - canvasHeight) * 0.25 + 10);
    return QRect(x, y, canvasWidth / 2, canvasHeight / 2);
}

} // namespace delvora
