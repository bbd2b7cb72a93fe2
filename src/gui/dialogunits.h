#pragma once

#include <QFont>
#include <QRect>

class QWidget;

namespace delvora {

// Converts dialog units (quarters of the average character width, eighths of the character
// height of the dialog font) into pixels. The units are kept between 1.75 and 2 pixels, so the
// half-size preview region (519 pixels wide) never runs into the panels beside it.
class DialogUnits {
public:
    explicit DialogUnits(const QFont &dialogFont);
    QRect toPixels(int x, int y, int w, int h) const;
    int x(int units) const { return int(units * m_x + 0.5); }
    int y(int units) const { return int(units * m_y + 0.5); }

private:
    double m_x;
    double m_y;
};

// Gives a dialog its object name, caption and the dialog font and makes it `width` by
// `height` dialog units; returns the units to place its controls with.
DialogUnits setUpDialog(QWidget *dialog, const QString &objectName, const QString &caption,
                        int width, int height);

} // namespace delvora
