#include "gui/fontpickdialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace delvora {

FontPickDialog::FontPickDialog(const FontPick &initial, QWidget *parent)
    : QDialog(parent), m_color(initial.color) {
    setWindowTitle(tr("字体"));
    m_fonts = new QFontDialog(initial.font, this);
    m_fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    m_fonts->setWindowFlags(Qt::Widget);
    m_fonts->setObjectName(QStringLiteral("fontChooser"));

    auto *colorLabel = new QLabel(tr("颜色:"), this);
    m_colorButton = new QPushButton(this);
    m_colorButton->setObjectName(QStringLiteral("colorButton"));
    m_colorButton->setAccessibleName(tr("颜色"));
    connect(m_colorButton, &QPushButton::clicked, this, [this] {
        const QColor c = QColorDialog::getColor(m_color, this);
        if (c.isValid()) {
            m_color = c;
            showColor();
        }
    });
    showColor();

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("取消"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *colorRow = new QHBoxLayout;
    colorRow->addWidget(colorLabel);
    colorRow->addWidget(m_colorButton);
    colorRow->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_fonts);
    layout->addLayout(colorRow);
    layout->addWidget(buttons);
}

FontPick FontPickDialog::pick() const {
    return {m_fonts->currentFont(), m_color};
}

void FontPickDialog::showColor() {
    m_colorButton->setText(m_color.name().toUpper());
    m_colorButton->setStyleSheet(QStringLiteral("background-color: %1; color: %2")
                                     .arg(m_color.name(), m_color.lightness() > 128
                                                              ? QStringLiteral("black")
                                                              : QStringLiteral("white")));
}

} // namespace delvora
