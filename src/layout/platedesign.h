#pragma once

#include <QObject>

#include "layout/picturerun.h"
#include "layout/platecanvas.h"
#include "layout/platelayout.h"

namespace delvora {

// The plate as the operator designs it: the layout of the three rows and the pictures every
// plate picture starts from (template, background, plate size). Every change goes through here
// and is announced, so the preview, the overflow marks and whatever else shows plates follow.
class PlateDesign : public QObject {
    Q_OBJECT
public:
    explicit PlateDesign(QObject *parent = nullptr);

    const PlateLayout &layout() const { return m_layout; }
    const PlateCanvas &canvas() const { return m_canvas; }
    const RowStyle &row(int index) const { return m_layout.rows[size_t(index)]; }
    QSize plateSize() const { return m_canvas.size(); }
    // What a picture run needs: a copy of the layout and the background.
    PictureLook look() const { return {m_layout, m_canvas.m_background}; }

    // Start-up: the layout from the layout files and the canvas from the template picture;
    // false when the template could not be used (a built-in canvas serves).
    bool loadFromFiles(const QString &templatePath);

    void setLayout(const PlateLayout &layout);
    void setRow(int index, const RowStyle &row);
    // The solid background: the colour is kept and the whole background painted with it.
    void setBackColor(const QColor &color);
    // A picture background, scaled to the plate; a null picture leaves no background. `file`
    // is the picture file's content when the picture was read from one.
    void setBackgroundPicture(const QImage &picture, const QByteArray &file = {});
    // Whether the background is a picture (not the solid colour), and the file it was read
    // from (empty when unknown).
    bool hasPicture() const { return m_picture; }
    const QByteArray &pictureFile() const { return m_pictureFile; }
    // Another plate size. The background is made anew from the template (`fromTemplate`) or
    // from the current background scaled, then painted with the background colour.
    void setPlateSize(int width, int height, bool fromTemplate);
    // Everything at once, as a meeting brings it: the plate size, the layout, and the picture
    // background (or, for a null picture, the solid colour), announced as one change.
    void replace(const PlateLayout &layout, QSize plateSize, const QImage &picture,
                 const QByteArray &pictureFile);

signals:
    void changed();

private:
    PlateLayout m_layout;
    PlateCanvas m_canvas;
    bool m_picture = false;
    QByteArray m_pictureFile;
};

} // namespace delvora
