#pragma once

#include <QFrame>
#include <QString>
#include <array>

class QLineEdit;

namespace delvora {

// An IPv4 address entry of four octet fields separated by dots, as the address dialogs of
// the program use it. A blank field reads as 0; values above 255 are cut to 255. Typing a
// dot, or a third digit, moves on to the next field; the whole entry is one tab stop.
class IpAddressEdit : public QFrame {
    Q_OBJECT
public:
    explicit IpAddressEdit(QWidget *parent = nullptr);

    // The address with the first octet most significant.
    quint32 address() const;
    void setAddress(quint32 address);
    int octet(int index) const;
    // The four fields as dotted text, blank fields as 0.
    QString text() const;
    // Fills the fields from dotted text; parts that are no number leave their field blank.
    void setText(const QString &text);
    void clear();
    bool isBlank() const;

    QLineEdit *field(int index) const { return m_fields[index]; }

signals:
    void addressEdited();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onFieldEdited(int index);
    void focusField(int index, bool atEnd);

    std::array<QLineEdit *, 4> m_fields{};
};

} // namespace delvora
