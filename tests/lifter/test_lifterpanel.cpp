#include <QComboBox>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "gui/mainwindow.h"
#include "lifter/serialportlist.h"
#include "ptypeer.h"
#include "support/scriptedprompt.h"
#include "support/tempworkdir.h"

using namespace delvora;
using namespace delvora::test;

namespace {

const QByteArray kUp("\xFF\xEE\xEE\xEE\xDD", 5);
const QByteArray kStop("\xFF\xEE\xEE\xEE\xCC", 5);
const QByteArray kDown("\xFF\xEE\xEE\xEE\xEE", 5);

// Offers the given ports instead of the PC's own while it lives.
class FixedPortList : public SerialPortList {
public:
    explicit FixedPortList(QList<SerialPortName> ports) : m_ports(std::move(ports)) {
        SerialPortList::setInstance(this);
    }
    ~FixedPortList() override { SerialPortList::setInstance(nullptr); }
    QList<SerialPortName> ports() override { return m_ports; }

private:
    QList<SerialPortName> m_ports;
};

// The real main window in a working folder of its own, offering the given ports. The window
// goes first, while its folder still exists.
class Window {
public:
    explicit Window(const QList<SerialPortName> &ports) : m_ports(ports) {
        m_dir.installResource(QStringLiteral("red.jpg"));
        m_dir.installResource(QStringLiteral("fontSetting.dat"));
        m_dir.useFixedAddress();
        dlg = std::make_unique<MainWindow>();
        dlg->show();
        portBox = dlg->findChild<QComboBox *>(QStringLiteral("comPort"));
    }

    QPushButton *button(const char *name) const {
        return dlg->findChild<QPushButton *>(QString::fromLatin1(name));
    }
    void press(const char *name) const { QTest::mouseClick(button(name), Qt::LeftButton); }
    // The operator picks the item with this text from the drop-down list.
    void choose(const QString &text) const {
        const int index = portBox->findText(text);
        QVERIFY2(index >= 0, qPrintable(text));
        portBox->setCurrentIndex(index);
        emit portBox->activated(index);
    }

private:
    TempWorkDir m_dir;
    FixedPortList m_ports;

public:
    ScriptedPrompt prompt;
    std::unique_ptr<MainWindow> dlg;
    QComboBox *portBox = nullptr;
};

SerialPortName portOf(const QString &name, const PtyPeer &pty) {
    return {name, pty.path()};
}

} // namespace

class TestLifterPanel : public QObject {
    Q_OBJECT
private slots:
    void portListSortedAndNothingOpened();
    void buttonsWriteTheirFrames();
    void nothingWrittenWithoutPort();
    void lineIs2400With8N1();
    void failedOpenIsReportedAndOldPortClosed();
    void switchingPortsKeepsTheLastFrame();
    void closingTheWindowClosesThePort();
};

void TestLifterPanel::portListSortedAndNothingOpened() {
    PtyPeer pty;
    QVERIFY(pty.isValid());
    Window w({{QStringLiteral("COM3"), QStringLiteral("/dev/nonexistent3")},
              portOf(QStringLiteral("ttyUSB0"), pty),
              {QStringLiteral("COM10"), QStringLiteral("/dev/nonexistent10")}});

    QStringList texts;
    QStringList devices;
    for (int i = 0; i < w.portBox->count(); ++i) {
        texts << w.portBox->itemText(i);
        devices << w.portBox->itemData(i).toString();
    }
    QCOMPARE(texts, (QStringList{QStringLiteral("COM10"), QStringLiteral("COM3"),
                                 QStringLiteral("ttyUSB0")}));
    // Each item still opens its own port after sorting.
    QCOMPARE(devices, (QStringList{QStringLiteral("/dev/nonexistent10"),
                                   QStringLiteral("/dev/nonexistent3"), pty.path()}));
    QCOMPARE(w.portBox->currentIndex(), -1);
    QVERIFY(!pty.heldOpen());
    QVERIFY(w.prompt.shown.isEmpty());
}

void TestLifterPanel::buttonsWriteTheirFrames() {
    PtyPeer pty;
    QVERIFY(pty.isValid());
    Window w({portOf(QStringLiteral("ttyLifter"), pty)});
    w.choose(QStringLiteral("ttyLifter"));
    QVERIFY(pty.heldOpen());

    const QList<std::pair<const char *, QByteArray>> presses = {
        {"lifterUp", kUp},     {"lifterStop", kStop}, {"lifterDown", kDown},
        {"lifterDown", kDown}, {"lifterUp", kUp},     {"lifterStop", kStop}};
    for (const auto &[name, frame] : presses) {
        w.press(name);
        // Exactly one frame per press, nothing more.
        QTRY_COMPARE(pty.received(), frame);
        pty.clear();
    }
    QVERIFY(w.prompt.shown.isEmpty());
}

void TestLifterPanel::nothingWrittenWithoutPort() {
    PtyPeer pty;
    QVERIFY(pty.isValid());
    Window w({portOf(QStringLiteral("ttyLifter"), pty)});

    for (const char *name : {"lifterUp", "lifterStop", "lifterDown"})
        w.press(name);
    QCoreApplication::processEvents();
    QCOMPARE(pty.received(), QByteArray());
    QVERIFY(!pty.heldOpen());
    QVERIFY(w.prompt.shown.isEmpty());
}

void TestLifterPanel::lineIs2400With8N1() {
    PtyPeer pty;
    QVERIFY(pty.isValid());
    // Start from settings that differ in every way that matters.
    termios odd = pty.lineSettings();
    cfsetispeed(&odd, B9600);
    cfsetospeed(&odd, B9600);
    odd.c_cflag = (odd.c_cflag & ~CSIZE) | CS7 | PARENB | PARODD | CSTOPB;
    pty.setLineSettings(odd);

    Window w({portOf(QStringLiteral("ttyLifter"), pty)});
    w.choose(QStringLiteral("ttyLifter"));
    QVERIFY(pty.heldOpen());

    const termios line = pty.lineSettings();
    QCOMPARE(cfgetospeed(&line), speed_t(B2400));
    QCOMPARE(cfgetispeed(&line), speed_t(B2400));
    QCOMPARE(line.c_cflag & CSIZE, tcflag_t(CS8));
    QCOMPARE(line.c_cflag & PARENB, tcflag_t(0));
    QCOMPARE(line.c_cflag & CSTOPB, tcflag_t(0));
    // Raw bytes: no output processing may alter a frame.
    QCOMPARE(line.c_oflag & OPOST, tcflag_t(0));
}

void TestLifterPanel::failedOpenIsReportedAndOldPortClosed() {
    PtyPeer pty;
    QVERIFY(pty.isValid());
    Window w({portOf(QStringLiteral("ttyLifter"), pty),
              {QStringLiteral("ttyGone"), QStringLiteral("/nonexistent/ttyGone")}});
    w.choose(QStringLiteral("ttyLifter"));
    QVERIFY(pty.heldOpen());

    w.choose(QStringLiteral("ttyGone"));
    QCOMPARE(w.prompt.texts(), QStringList{QStringLiteral("打开串口失败!")});
    QCOMPARE(w.prompt.shown.first().icon, Prompt::Icon::None);
    QVERIFY(!pty.heldOpen());

    for (const char *name : {"lifterUp", "lifterStop", "lifterDown"})
        w.press(name);
    QCoreApplication::processEvents();
    QCOMPARE(pty.received(), QByteArray());
    // Reported once, by the choice, not again by the presses.
    QCOMPARE(w.prompt.shown.size(), 1);
}

void TestLifterPanel::switchingPortsKeepsTheLastFrame() {
    PtyPeer first;
    PtyPeer second;
    QVERIFY(first.isValid() && second.isValid());
    Window w({portOf(QStringLiteral("ttyA"), first), portOf(QStringLiteral("ttyB"), second)});

    w.choose(QStringLiteral("ttyA"));
    w.press("lifterStop");
    w.choose(QStringLiteral("ttyB"));
    QVERIFY(!first.heldOpen());
    QVERIFY(second.heldOpen());
    w.press("lifterUp");
    QTRY_COMPARE(second.received(), kUp);
    QTRY_COMPARE(first.received(), kStop);

    // Choosing the same port again reopens it and it keeps working.
    second.clear();
    w.choose(QStringLiteral("ttyB"));
    w.press("lifterDown");
    QTRY_COMPARE(second.received(), kDown);
    QVERIFY(w.prompt.shown.isEmpty());
}

void TestLifterPanel::closingTheWindowClosesThePort() {
    PtyPeer pty;
    QVERIFY(pty.isValid());
    Window w({portOf(QStringLiteral("ttyLifter"), pty)});
    w.choose(QStringLiteral("ttyLifter"));
    QVERIFY(pty.heldOpen());
    QVERIFY(QFile::exists(pty.lockFile()));

    // Esc ends the window's run; the program then destroys it.
    QTest::keyClick(w.dlg.get(), Qt::Key_Escape);
    QVERIFY(!w.dlg->isVisible());
    w.dlg.reset();
    QVERIFY(!pty.heldOpen());
    QVERIFY(!QFile::exists(pty.lockFile()));
}

QTEST_MAIN(TestLifterPanel)
#include "test_lifterpanel.moc"
