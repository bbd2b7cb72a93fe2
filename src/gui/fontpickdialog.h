#pragma once

#include <QDialog>

#include "gui/prompt.h"

class QFontDialog;
class QPushButton;

namespace delvora {

// One dialog for a row's face, style, size, underline, strike-out and colour together.
class FontPickDialog : public QDialog {
    Q_OBJECT
public:
    explicit FontPickDialog(const FontPick &initial, QWidget *parent = nullptr);
    FontPick pick() const;

private:
    void showColor();

    QFontDialog *m_fonts;
    QPushButton *m_colorButton;
    QColor m_color;
};

} // namespace delvora
