#include "net/platepicture.h"

#include <QFile>

#include "layout/jpegencoder.h"
#include "layout/platecanvas.h"
#include "layout/platelayout.h"
#include "layout/renderer.h"
#include "namelist/namerecord.h"

namespace delvora {

QByteArray renderPlatePicture(const PlateLayout &layout, const PlateCanvas &canvas,
                              const NameRecord &entry) {
    return renderPlatePicture(layout, canvas.m_background, entry);
}

QByteArray renderPlatePicture(const PlateLayout &layout, const QImage &background,
                              const NameRecord &entry) {
    return encodePlateJpeg(renderPlate(layout, background, entry.texts()), 100);
}

bool writePlatePicture(const QByteArray &jpeg, const QString &path) {
    // A scratch file, rewritten for every plate: no temporary copy and no sync to disk. It is
    // overwritten in place and then cut, since some file systems flush a file that was
    // emptied and written again as it is closed.
    QFile file(path);
    return !jpeg.isEmpty() && file.open(QIODevice::ReadWrite) && file.write(jpeg) == jpeg.size() &&
           file.flush() && file.resize(jpeg.size());
}

} // namespace delvora
