#pragma once

#include <QImage>
#include <QRect>
#include <QString>

#include "layout/rowstyle.h"

class QPainter;

namespace delvora {

// The picture set of the main window: the canvas template, the background every rendering
// starts from, and the last preview rendering.
class PlateCanvas {
public:
    QImage m_template;   // the canvas picture as loaded, never changed
    QImage m_background; // the background at canvas size
    QImage m_preview;    // the last rendering made for the preview
    int32_t m_width = 1024;
    int32_t m_height = 600;

    // Takes a plate size as read from the layout file: 800 wide is the small plate (800×480),
    // anything else the large one (1024×600).
    void setPlateSize(int width);

    // Builds the pictures for the current canvas size from the template file. A missing or
    // unreadable template gives a built-in 1024×600 canvas, so pictures are still made.
    // Returns false when the file could not be used.
    bool initCanvas(const QString &templatePath, ColorRef backColor);

    // Paints the whole background with one colour, whatever it showed before.
    void fillBackground(int red, int green, int blue);

    // Replaces the background by a picture, scaled to the canvas size unless it already has
    // it. A null picture leaves the canvas without a background (nothing can be drawn).
    void setBackgroundPicture(const QImage &picture);

    // Switches to another canvas size: a new background from the template, painted with the
    // given colour.
    void setResolution(int width, int height, ColorRef backColor);

    // Draws the preview picture stretched into the target rectangle (nothing when none).
    void drawPreview(QPainter &painter, const QRect &target) const;

    // Writes a picture as JPEG at the given quality (0..100), replacing an existing file.
    static bool savePlateJpeg(const QImage &picture, const QString &path, int quality);

    // The built-in canvas used when the template file is missing.
    static QImage builtInTemplate();
};

// Where the half-size preview sits in the main window's client area for a canvas size.
QRect previewGeometry(int canvasWidth, int canvasHeight);

} // namespace delvora
