#include "gui/idrangedialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/integertext.h"
#include "gui/prompt.h"

namespace delvora {

IdRangeDialog::IdRangeDialog(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("IdRangeDialog"));
    setWindowTitle(tr("请输入ID范围"));
    m_editStart = new QLineEdit(this);
    m_editStart->setObjectName(QStringLiteral("idStart"));
    m_editStart->setAccessibleName(tr("起始ID"));
    m_editEnd = new QLineEdit(this);
    m_editEnd->setObjectName(QStringLiteral("idEnd"));
    m_editEnd->setAccessibleName(tr("结束ID"));
    auto *ok = new QPushButton(tr("确定"), this);
    ok->setObjectName(QStringLiteral("idOk"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &IdRangeDialog::accept);

    auto *boxes = new QHBoxLayout;
    boxes->addWidget(m_editStart);
    boxes->addWidget(new QLabel(QStringLiteral("-"), this));
    boxes->addWidget(m_editEnd);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(boxes);
    layout->addWidget(ok, 0, Qt::AlignRight);
    load();
}

void IdRangeDialog::load() {
    m_editStart->setText(QString::number(m_start));
    m_editEnd->setText(QString::number(m_end));
}

bool IdRangeDialog::exchange(QLineEdit *edit, int &field) {
    const std::optional<int> value = parseDialogInt(edit->text().left(63));
    QString problem;
    bool warn = false;
    if (!value) {
        problem = notAnIntegerText();
    } else if (*value < 1 || *value > 999) {
        problem = tr("请输入一个 %1 至 %2 之间的整数。").arg(1).arg(999);
        warn = true;
    }
    if (problem.isEmpty()) {
        field = *value;
        return true;
    }
    if (warn)
        Prompt::warning(this, problem);
    else
        Prompt::plain(this, problem);
    edit->setFocus();
    edit->selectAll();
    return false;
}

void IdRangeDialog::accept() {
    if (exchange(m_editStart, m_start) && exchange(m_editEnd, m_end))
        QDialog::accept();
}

} // namespace delvora
