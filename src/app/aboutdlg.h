#pragma once

#include <QDialog>

namespace delvora {

// The About box: the icon, the program's name and version, and an OK button.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget *parent = nullptr);
};

} // namespace delvora
