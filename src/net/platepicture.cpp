#include "net/platepicture.h"

#include <QFile>

#include "layout/jpegencoder.h"
#include "layout/platecanvas.h"
#include "layout/platelayout.h"
#include "layout/renderer.h"
#include "namelist/namerecord.h"

namespace delvora {

QByteArray RenderPlatePicture(PlateLayout &layout, const PlateCanvas &canvas,
                              const NameRecord &entry) {
    return RenderPlatePicture(layout, canvas.m_pBackground, entry);
}

QByteArray RenderPlatePicture(PlateLayout &layout, const QImage &background,
                              const NameRecord &entry) {
    layout.SetTexts(entry.m_strOrganisation, entry.m_strName, entry.m_strTitle);
    return EncodePlateJpeg(RenderPlate(layout, background), 100);
}

bool WritePlatePicture(const QByteArray &jpeg, const QString &path) {
    // A scratch file, rewritten for every plate: no temporary copy and no sync to disk. It is
    // overwritten in place and then cut, since some file systems flush a file that was
    // emptied and written again as it is closed.
    QFile file(path);
    return !jpeg.isEmpty() && file.open(QIODevice::ReadWrite) && file.write(jpeg) == jpeg.size() &&
           file.flush() && file.resize(jpeg.size());
}

} // namespace delvora
