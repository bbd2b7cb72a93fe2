#include "gui/ipaddressedit.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace delvora {

IpAddressEdit::IpAddressEdit(QWidget *parent) : QFrame(parent) {
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    setFocusPolicy(Qt::StrongFocus);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(2, 0, 2, 0);
    row->setSpacing(0);
    auto *digits =
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), this);
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            auto *dot = new QLabel(QStringLiteral("."), this);
            dot->setBackgroundRole(QPalette::Base);
            row->addWidget(dot);
        }
        auto *f = new QLineEdit(this);
        f->setObjectName(QStringLiteral("octet%1").arg(i + 1));
        f->setAccessibleName(tr("第%1段").arg(i + 1));
        f->setFrame(false);
        f->setAlignment(Qt::AlignCenter);
        f->setMaxLength(3);
        f->setValidator(digits);
        f->installEventFilter(this);
        // One tab stop for the whole address; the other fields are reached by typing.
        f->setFocusPolicy(i == 0 ? Qt::StrongFocus : Qt::ClickFocus);
        connect(f, &QLineEdit::textEdited, this, [this, i] { onFieldEdited(i); });
        row->addWidget(f, 1);
        m_fields[i] = f;
    }
    setFocusProxy(m_fields[0]);
}

int IpAddressEdit::octet(int index) const {
    return m_fields[index]->text().toInt(); // blank reads as 0
}

quint32 IpAddressEdit::address() const {
    quint32 a = 0;
    for (int i = 0; i < 4; ++i)
        a = (a << 8) | quint32(octet(i));
    return a;
}

void IpAddressEdit::setAddress(quint32 address) {
    for (int i = 0; i < 4; ++i)
        m_fields[i]->setText(QString::number((address >> (24 - 8 * i)) & 0xFF));
}

QString IpAddressEdit::text() const {
    return QStringLiteral("%1.%2.%3.%4").arg(octet(0)).arg(octet(1)).arg(octet(2)).arg(octet(3));
}

void IpAddressEdit::setText(const QString &text) {
    const QStringList parts = text.split(QLatin1Char('.'));
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        const int value = i < parts.size() ? parts[i].trimmed().toInt(&ok) : 0;
        m_fields[i]->setText(ok && value >= 0 ? QString::number(qMin(value, 255)) : QString());
    }
}

void IpAddressEdit::clear() {
    for (QLineEdit *f : m_fields)
        f->clear();
}

bool IpAddressEdit::isBlank() const {
    for (QLineEdit *f : m_fields) {
        if (!f->text().isEmpty())
            return false;
    }
    return true;
}

void IpAddressEdit::onFieldEdited(int index) {
    QLineEdit *f = m_fields[index];
    if (f->text().toInt() > 255)
        f->setText(QStringLiteral("255"));
    if (f->text().size() == 3 && f->cursorPosition() == 3 && index < 3)
        focusField(index + 1, false);
    emit addressEdited();
}

void IpAddressEdit::focusField(int index, bool atEnd) {
    QLineEdit *f = m_fields[index];
    f->setFocus(Qt::OtherFocusReason);
    if (atEnd)
        f->setCursorPosition(f->text().size());
    else
        f->selectAll();
}

bool IpAddressEdit::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::KeyPress)
        return QFrame::eventFilter(watched, event);
    const int index = int(std::find(m_fields.begin(), m_fields.end(), watched) - m_fields.begin());
    if (index >= 4)
        return QFrame::eventFilter(watched, event);
    QLineEdit *f = m_fields[index];
    const auto *key = static_cast<QKeyEvent *>(event);
    const bool atStart = f->cursorPosition() == 0 && !f->hasSelectedText();
    const bool atEnd = f->cursorPosition() == f->text().size() && !f->hasSelectedText();
    switch (key->key()) {
    case Qt::Key_Period:
    case Qt::Key_Space:
        // A field not typed into yet (blank, or wholly selected as a third digit leaves it)
        // takes the dot as the end of the field before it, so "255.0.0.0" typed over an
        // address does not skip a field.
        if (index < 3 && !f->text().isEmpty() && f->selectedText() != f->text())
            focusField(index + 1, false);
        return true;
    case Qt::Key_Backspace:
    case Qt::Key_Left:
        if (atStart && index > 0) {
            focusField(index - 1, true);
            return true;
        }
        break;
    case Qt::Key_Right:
        if (atEnd && index < 3) {
            focusField(index + 1, false);
            return true;
        }
        break;
    default:
        break;
    }
    return QFrame::eventFilter(watched, event);
}

} // namespace delvora
