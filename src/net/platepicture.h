#pragma once

#include <QString>

namespace delvora {

class PlateCanvas;
struct PlateLayout;
struct NameRecord;

// The file a plate's picture is written to before it is sent.
inline QString PlatePicturePath() {
    return QStringLiteral("./x.jpg");
}

// Puts the entry's three texts into rows 0, 1 and 2 of the layout (they stay there), renders
// the picture and writes it to `path` as JPEG at quality 100. False when no picture could be
// written: the file may then hold an older picture, which must not be sent.
bool RenderPlatePicture(PlateLayout &layout, const PlateCanvas &canvas, const NameRecord &entry,
                        const QString &path = PlatePicturePath());

// The size of the file at `path`, -1 when it cannot be opened for reading.
qint64 OpenedFileSize(const QString &path);

} // namespace delvora
