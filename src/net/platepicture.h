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

// Puts the entry's three texts into rows 0, 1 and 2 of the layout (they stay there) and
// renders the picture as JPEG at quality 100. Empty when nothing can be drawn.
QByteArray renderPlatePicture(PlateLayout &layout, const PlateCanvas &canvas,
                              const NameRecord &entry);
// The same on a given background; safe on a worker thread with its own layout copy.
QByteArray renderPlatePicture(PlateLayout &layout, const QImage &background,
                              const NameRecord &entry);

// Replaces the picture file with these bytes. False when they are not all written: the file
// may then hold a part or an older picture, which must not be sent.
bool writePlatePicture(const QByteArray &jpeg, const QString &path = platePicturePath());

} // namespace delvora
