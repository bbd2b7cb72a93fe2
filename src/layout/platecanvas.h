#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

namespace delvora {

// The pictures every plate picture starts from: the canvas template, and the background at the
// plate's size.
class PlateCanvas {
public:
    QImage m_template;   // the canvas picture as loaded, never changed
    QImage m_background; // the background at canvas size
    int m_width = 1024;
    int m_height = 600;

    QSize size() const { return QSize(m_width, m_height); }

    // Takes a plate size as read from the layout file: 800 wide is the small plate (800×480),
    // anything else the large one (1024×600).
    void setPlateSize(int width);

    // Builds the pictures for the current canvas size from the template file. A missing or
    // unreadable template gives a built-in 1024×600 canvas, so pictures are still made.
    // Returns false when the file could not be used.
    bool initCanvas(const QString &templatePath, const QColor &backColor);

    // Paints the whole background with one colour, whatever it showed before.
    void fillBackground(const QColor &color);

    // Replaces the background by a picture, scaled to the canvas size unless it already has
    // it. A null picture leaves the canvas without a background (nothing can be drawn).
    void setBackgroundPicture(const QImage &picture);

    // Switches to another canvas size: a new background from the template, painted with the
    // given colour.
    void setResolution(int width, int height, const QColor &backColor);

    // The built-in canvas used when the template file is missing.
    static QImage builtInTemplate();
};

// A picture file's content decoded, by its content or as the given format; null when it is no
// readable picture. Background pictures are read through here, so that a picture kept as bytes
// decodes to the same pixels again.
QImage readPicture(const QByteArray &bytes, const char *format = nullptr);

// Where the half-size preview sits in the main window's client area for a canvas size.
QRect previewGeometry(int canvasWidth, int canvasHeight);

} // namespace delvora
