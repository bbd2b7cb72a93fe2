#include "layout/platedesign.h"

namespace delvora {

PlateDesign::PlateDesign(QObject *parent) : QObject(parent) {}

bool PlateDesign::loadFromFiles(const QString &templatePath) {
    QSize size;
    m_layout = readLayout(size);
    m_canvas.setPlateSize(size.width());
    const bool ok = m_canvas.initCanvas(templatePath, m_layout.backColor);
    emit changed();
    return ok;
}

void PlateDesign::setLayout(const PlateLayout &layout) {
    m_layout = layout;
    emit changed();
}

void PlateDesign::setRow(int index, const RowStyle &row) {
    m_layout.rows[size_t(index)] = row;
    emit changed();
}

void PlateDesign::setBackColor(const QColor &color) {
    m_layout.backColor = color;
    m_picture = false;
    m_pictureFile.clear();
    m_canvas.fillBackground(color);
    emit changed();
}

void PlateDesign::setBackgroundPicture(const QImage &picture, const QByteArray &file) {
    m_canvas.setBackgroundPicture(picture);
    m_picture = !picture.isNull();
    m_pictureFile = m_picture ? file : QByteArray();
    emit changed();
}

void PlateDesign::setPlateSize(int width, int height, bool fromTemplate) {
    m_canvas.m_width = width;
    m_canvas.m_height = height;
    if (fromTemplate)
        m_canvas.m_background = m_canvas.m_template;
    else
        m_canvas.setBackgroundPicture(m_canvas.m_background);
    m_canvas.fillBackground(m_layout.backColor);
    m_picture = false;
    m_pictureFile.clear();
    emit changed();
}

void PlateDesign::replace(const PlateLayout &layout, QSize plateSize, const QImage &picture,
                          const QByteArray &pictureFile) {
    m_layout = layout;
    m_canvas.setPlateSize(plateSize.width());
    // A solid background is made as at start-up: the template at the plate's size, painted.
    m_canvas.setResolution(m_canvas.m_width, m_canvas.m_height, layout.backColor);
    m_picture = !picture.isNull();
    m_pictureFile = m_picture ? pictureFile : QByteArray();
    if (m_picture)
        m_canvas.setBackgroundPicture(picture);
    emit changed();
}

} // namespace delvora
