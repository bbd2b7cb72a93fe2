#pragma once

#include <QDialog>

namespace delvora {

// The About box: the icon, the program's name and version, and an OK button.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget *parent = nullptr);
};

} // namespace delvora
