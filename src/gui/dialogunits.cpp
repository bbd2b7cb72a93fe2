#include "gui/dialogunits.h"

#include <QFontMetricsF>
#include <QWidget>
#include <algorithm>

namespace delvora {

DialogUnits::DialogUnits(const QFont &dialogFont) {
    const QFontMetricsF fm(dialogFont);
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const double average = fm.horizontalAdvance(alphabet) / 52.0;
    const double height = fm.ascent() + fm.descent();
    m_x = std::clamp(average / 4.0, 1.75, 2.0);
    m_y = std::clamp(height / 8.0, 1.75, 2.0);
}

QRect DialogUnits::toPixels(int ux, int uy, int uw, int uh) const {
    return QRect(x(ux), y(uy), x(ux + uw) - x(ux), y(uy + uh) - y(uy));
}

DialogUnits setUpDialog(QWidget *dialog, const QString &objectName, const QString &caption,
                        int width, int height) {
    dialog->setObjectName(objectName);
    dialog->setWindowTitle(caption);
    const QFont dialogFont(QStringLiteral("MS Shell Dlg"), 9);
    dialog->setFont(dialogFont);
    const DialogUnits du(dialogFont);
    dialog->setFixedSize(du.x(width), du.y(height));
    return du;
}

} // namespace delvora
