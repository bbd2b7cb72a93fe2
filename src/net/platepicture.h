#pragma once

#include <QByteArray>
#include <QString>

class QImage;

namespace delvora {

class PlateCanvas;
struct PlateLayout;
struct NameRecord;

// The file a plate's picture is written to before it is sent.
inline QString platePicturePath() {
    return QStringLiteral("./x.jpg");
}

// The entry's picture as JPEG at quality 100, as plates receive it. Empty when nothing can be
// drawn.
QByteArray renderPlatePicture(const PlateLayout &layout, const PlateCanvas &canvas,
                              const NameRecord &entry);
QByteArray renderPlatePicture(const PlateLayout &layout, const QImage &background,
                              const NameRecord &entry);

// Replaces the picture file with these bytes. False when they are not all written: the file
// may then hold a part or an older picture, which must not be sent.
bool writePlatePicture(const QByteArray &jpeg, const QString &path = platePicturePath());

} // namespace delvora
