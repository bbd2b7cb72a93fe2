#include "gui/aboutdialog.h"

#include <QLabel>
#include <QPushButton>

#include "gui/dialogunits.h"

namespace delvora {

AboutDialog::AboutDialog(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutDialog"));
    setWindowTitle(tr("关于 Delvora"));
    QFont dialogFont(QStringLiteral("MS Shell Dlg"), 9);
    setFont(dialogFont);
    const DialogUnits du(dialogFont);
    setFixedSize(du.x(178), du.y(74));

    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("aboutIcon"));
    icon->setGeometry(du.toPixels(7, 7, 20, 20));
    icon->setPixmap(QIcon(QStringLiteral(":/delvora/delvora.png")).pixmap(icon->size()));
    auto *text = new QLabel(QStringLiteral("Delvora V1.3.2"), this);
    text->setObjectName(QStringLiteral("aboutText"));
    text->setGeometry(du.toPixels(40, 11, 114, 8));
    text->resize(std::max(text->width(), text->sizeHint().width()),
                 std::max(text->height(), text->sizeHint().height()));
    auto *ok = new QPushButton(tr("确定"), this);
    ok->setObjectName(QStringLiteral("aboutOk"));
    ok->setGeometry(du.toPixels(121, 53, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace delvora
