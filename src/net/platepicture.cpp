#include "net/platepicture.h"

#include <QFile>

#include "layout/platecanvas.h"
#include "layout/platelayout.h"
#include "layout/renderer.h"
#include "namelist/namerecord.h"

namespace delvora {

bool RenderPlatePicture(PlateLayout &layout, const PlateCanvas &canvas, const NameRecord &entry,
                        const QString &path) {
    layout.SetTexts(entry.m_strOrganisation, entry.m_strName, entry.m_strTitle);
    return PlateCanvas::SavePlateJpeg(RenderPlate(layout, canvas.m_pBackground), path, 100);
}

qint64 OpenedFileSize(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return file.size();
}

} // namespace delvora
