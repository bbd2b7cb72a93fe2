#include <QApplication>
#include <QLineEdit>
#include <QtTest>

#include "gui/ipaddressedit.h"

using namespace delvora;

class TestIpAddressEdit : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void fieldsAndText_data();
    void fieldsAndText();
    void typingMovesThroughFields_data();
    void typingMovesThroughFields();
    void backspaceReturnsToPreviousField();
    void oneTabStop();

private:
    void type(const QString &keys);
    std::unique_ptr<IpAddressEdit> m_edit;
};

void TestIpAddressEdit::init() {
    m_edit = std::make_unique<IpAddressEdit>();
    m_edit->resize(200, 24);
    m_edit->show();
    QApplication::setActiveWindow(m_edit.get());
    QVERIFY(QTest::qWaitForWindowActive(m_edit.get()));
    m_edit->field(0)->setFocus();
}

void TestIpAddressEdit::cleanup() {
    m_edit.reset();
}

void TestIpAddressEdit::type(const QString &keys) {
    // Each key goes where the focus is, as the operator's typing would.
    for (QChar c : keys) {
        QWidget *target = QApplication::focusWidget();
        QVERIFY(target);
        if (c == QLatin1Char('\b'))
            QTest::keyClick(target, Qt::Key_Backspace);
        else
            QTest::keyClick(target, c.toLatin1());
    }
}

void TestIpAddressEdit::fieldsAndText_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("text");
    QTest::addColumn<quint32>("address");
    QTest::newRow("plain") << QStringLiteral("192.168.1.88") << QStringLiteral("192.168.1.88")
                           << quint32(0xC0A80158);
    QTest::newRow("blank fields read 0")
        << QStringLiteral("10..x.") << QStringLiteral("10.0.0.0") << quint32(0x0A000000);
    QTest::newRow("cut to 255") << QStringLiteral("300.1.2.3") << QStringLiteral("255.1.2.3")
                                << quint32(0xFF010203);
    QTest::newRow("nothing") << QString() << QStringLiteral("0.0.0.0") << quint32(0);
}

void TestIpAddressEdit::fieldsAndText() {
    QFETCH(QString, input);
    QFETCH(QString, text);
    QFETCH(quint32, address);
    m_edit->setText(input);
    QCOMPARE(m_edit->text(), text);
    QCOMPARE(m_edit->address(), address);
    m_edit->setAddress(address);
    QCOMPARE(m_edit->text(), text);
    QVERIFY(!m_edit->isBlank());
    m_edit->clear();
    QVERIFY(m_edit->isBlank());
}

void TestIpAddressEdit::typingMovesThroughFields_data() {
    QTest::addColumn<QString>("start"); // typed over with the first field selected
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::newRow("dots") << QString() << QStringLiteral("127.0.0.1")
                          << QStringLiteral("127.0.0.1");
    QTest::newRow("three digits move on")
        << QString() << QStringLiteral("19216801.5") << QStringLiteral("192.168.1.5");
    QTest::newRow("three digits, then a dot")
        << QString() << QStringLiteral("192.168.1.5") << QStringLiteral("192.168.1.5");
    QTest::newRow("above 255") << QString() << QStringLiteral("999.1.1.1")
                               << QStringLiteral("255.1.1.1");
    QTest::newRow("letters ignored")
        << QString() << QStringLiteral("1a0.0.0.7") << QStringLiteral("10.0.0.7");
    QTest::newRow("over an address") << QStringLiteral("192.168.1.88") << QStringLiteral("10.0.0.5")
                                     << QStringLiteral("10.0.0.5");
    QTest::newRow("three digits, then a dot, over an address")
        << QStringLiteral("192.168.1.88") << QStringLiteral("255.0.0.0")
        << QStringLiteral("255.0.0.0");
}

void TestIpAddressEdit::typingMovesThroughFields() {
    QFETCH(QString, start);
    QFETCH(QString, keys);
    QFETCH(QString, text);
    if (!start.isEmpty()) {
        m_edit->setText(start);
        m_edit->field(0)->selectAll();
    }
    type(keys);
    QCOMPARE(m_edit->text(), text);
}

void TestIpAddressEdit::backspaceReturnsToPreviousField() {
    type(QStringLiteral("10.20.\b\b3"));
    QCOMPARE(m_edit->text(), QStringLiteral("10.23.0.0"));
}

void TestIpAddressEdit::oneTabStop() {
    QWidget dialog;
    auto *before = new QLineEdit(&dialog);
    auto *address = new IpAddressEdit(&dialog);
    auto *after = new QLineEdit(&dialog);
    QWidget::setTabOrder(before, address);
    QWidget::setTabOrder(address, after);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), address->field(0));
    QTest::keyClick(address->field(0), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), after);
}

QTEST_MAIN(TestIpAddressEdit)
#include "test_ipaddressedit.moc"
