#pragma once

#include <QDialog>

class QLineEdit;

namespace delvora {

// Asks for the range of plate IDs written to ID.txt. Both values must lie in 1..999; a start
// above the end is allowed (it writes an empty list).
class IdRangeDialog : public QDialog {
    Q_OBJECT
public:
    explicit IdRangeDialog(QWidget *parent = nullptr);

    int m_start = 1;
    int m_end = 99;

    // Fills the boxes from the fields; call before showing.
    void load();

public slots:
    void accept() override;

private:
    bool exchange(QLineEdit *edit, int &field);

    QLineEdit *m_editStart;
    QLineEdit *m_editEnd;
};

} // namespace delvora
