#include <QPushButton>
#include <QRandomGenerator>
#include <QTreeView>
#include <QtTest>

#include "gui/mainwindow.h"
#include "layout/renderer.h"
#include "net/errorlistfile.h"
#include "support/jpegcheck.h"
#include "support/listcells.h"
#include "support/loopbackplace.h"
#include "support/platesim.h"

using namespace delvora;
using namespace delvora::test;

// The plate board and the concurrent update of all entries in the real main window, against
// simulated plates on loopback.
class TestPlateBoardE2e : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void manyPlatesAtOnce();
    void oneAtATimeKeepsTheOrder();

private:
    // Writes `[Network] parallel=N`, starts the simulator with the plates (ID, options) on
    // 127.0.0.2 and up, opens the window with the entries and lists the plates that answer.
    bool open(int parallel, const QList<QPair<int, QStringList>> &plates,
              const QList<NameRecord> &names, int listed);
    // The JPEG the window makes of this entry with its current layout.
    QByteArray picture(const NameRecord &e);
    // The 状态 cell of the plate at this address.
    QString state(const QString &address);
    // Presses 网络更新 and waits for the error list to open; its bytes.
    QByteArray updateAll(int timeoutMs);

    std::unique_ptr<LoopbackPlace> m_place;
    std::unique_ptr<PlateSim> m_sim;
    std::unique_ptr<MainWindow> m_window;
    QTreeView *m_board = nullptr;
};

namespace {
NameRecord entry(int seq, int id, const QString &name) {
    return NameRecord{seq, QString::number(id), QStringLiteral("第%1代表团").arg(seq), name,
                      QStringLiteral("代表")};
}

QString address(int plate) {
    return QStringLiteral("127.0.0.%1").arg(plate + 2);
}
} // namespace

void TestPlateBoardE2e::init() {
    m_place = std::make_unique<LoopbackPlace>();
}

void TestPlateBoardE2e::cleanup() {
    m_window.reset();
    m_sim.reset();
    m_place.reset();
}

bool TestPlateBoardE2e::open(int parallel, const QList<QPair<int, QStringList>> &plates,
                             const QList<NameRecord> &names, int listed) {
    m_place->dir.write(QStringLiteral("Settings.ini"),
                       QStringLiteral("[Network]\r\nparallel=%1\r\n").arg(parallel).toLatin1());
    m_sim = std::make_unique<PlateSim>(m_place->dir.path());
    for (qsizetype i = 0; i < plates.size(); ++i)
        m_sim->addPlate(plates[i].first, address(int(i)), plates[i].second);
    if (!m_sim->start()) {
        qWarning() << m_sim->errors();
        return false;
    }
    m_window = std::make_unique<MainWindow>();
    m_board = m_window->face().onlineList;
    m_window->names().append(names);
    m_window->findChild<QPushButton *>(QStringLiteral("detectPlates"))->click();
    return QTest::qWaitFor([&] { return listRows(m_board) == listed; }, 5000);
}

QByteArray TestPlateBoardE2e::picture(const NameRecord &e) {
    const PlateLayout &layout = m_window->design().layout();
    return qtWriterJpeg(renderPlate(layout, m_window->design().canvas().m_background, e.texts()),
                        100);
}

QString TestPlateBoardE2e::state(const QString &address) {
    for (int i = 0; i < listRows(m_board); ++i) {
        if (listText(m_board, i, 1) == address)
            return listText(m_board, i, 3);
    }
    return QStringLiteral("(not on the board)");
}

QByteArray TestPlateBoardE2e::updateAll(int timeoutMs) {
    m_window->findChild<QPushButton *>(QStringLiteral("networkUpdate"))->click();
    if (!QTest::qWaitFor([&] { return !m_place->editor.opened.isEmpty(); }, timeoutMs))
        return QByteArrayLiteral("(the error list never opened)");
    return m_place->editor.opened[0].bytes;
}

void TestPlateBoardE2e::manyPlatesAtOnce() {
    // 40 plates, eight served at once: three never connect, two connect after their wait, one
    // stops reading. The entries come in another order than the plates, one plate has two
    // entries (the later one must stay on it), and one entry has no plate.
    QList<QPair<int, QStringList>> plates;
    for (int i = 0; i < 40; ++i)
        plates.append(qMakePair(101 + i, QStringList()));
    for (int i : {4, 19, 33})
        plates[i].second = {QStringLiteral("no-connect")};
    for (int i : {9, 27})
        plates[i].second = {QStringLiteral("connect-delay=2600")};
    plates[2].second = {QStringLiteral("read-limit=20000")};
    QList<NameRecord> names;
    for (int i = 0; i < 40; ++i) {
        const int plate = (i * 7) % 40; // every plate once, shuffled
        names.append(entry(i + 1, 101 + plate, QStringLiteral("代表%1").arg(plate)));
    }
    names.insert(5, entry(0, 999, QStringLiteral("无桌牌")));
    names.append(entry(41, 101, QStringLiteral("后来者")));
    QVERIFY(open(8, plates, names, 40));
    // A background JPEG cannot shrink: the stalled plate cannot take its picture into buffers.
    QImage noise(1024, 600, QImage::Format_RGB32);
    QRandomGenerator random(5);
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, random.generate() | 0xff000000u);
    m_window->design().setBackgroundPicture(noise);

    QByteArray expectedErrors;
    for (const NameRecord &e : names) {
        const int plate = e.id.toInt() - 101;
        using R = ErrorListFile::Reason;
        if (plate < 0 || plate >= 40)
            expectedErrors += ErrorListFile::line(e.id, R::NotOnline);
        else if (plates[plate].second.value(0).startsWith(QStringLiteral("no-connect")) ||
                 plates[plate].second.value(0).startsWith(QStringLiteral("connect-delay")))
            expectedErrors += ErrorListFile::line(e.id, R::ConnectTimeout);
        else if (plate == 2)
            expectedErrors += ErrorListFile::line(e.id, R::TransferFailed);
    }
    // The failed plates in list order, not in the order they failed.
    QCOMPARE(updateAll(60000), expectedErrors);
    QCOMPARE(m_place->dir.read(QStringLiteral("dispError.txt")), expectedErrors);
    QVERIFY(m_place->prompt.shown.isEmpty());

    // Every good plate holds exactly the picture of its own (last) entry.
    QVERIFY(m_sim->waitForLine(QStringLiteral("picture plate="), 40 - 6 + 1));
    for (int plate = 0; plate < 40; ++plate) {
        const QString options = plates[plate].second.value(0);
        if (!options.isEmpty()) {
            QVERIFY(m_sim->picture(101 + plate).isEmpty());
            const QString expected =
                plate == 2 ? QStringLiteral("传输失败") : QStringLiteral("未连接");
            QCOMPARE(state(address(plate)), expected);
            continue;
        }
        NameRecord own;
        for (const NameRecord &e : names)
            if (e.id == QString::number(101 + plate))
                own = e;
        QVERIFY2(m_sim->picture(101 + plate) == picture(own), qPrintable(own.name));
        QVERIFY2(state(address(plate)).startsWith(QStringLiteral("已更新 ")),
                 qPrintable(state(address(plate))));
    }
    QCOMPARE(decodeJpeg(m_sim->picture(101)).size(),
             QSize(m_window->design().canvas().m_width, m_window->design().canvas().m_height));
    // No plate ever got a second connection served or another plate's picture.
    QCOMPARE(m_sim->linesStartingWith(QStringLiteral("picture-extra")), QStringList());
}

void TestPlateBoardE2e::oneAtATimeKeepsTheOrder() {
    // One plate at a time: the plates are asked in list order, one after the other.
    QList<QPair<int, QStringList>> plates;
    for (int i = 0; i < 6; ++i)
        plates.append(qMakePair(11 + i, QStringList()));
    plates[1].second = {QStringLiteral("connect-delay=300")};
    const QList<int> order = {14, 11, 16, 12, 15, 13, 12};
    QList<NameRecord> names;
    for (int id : order)
        names.append(entry(int(names.size()) + 1, id, QStringLiteral("甲%1").arg(names.size())));
    QVERIFY(open(1, plates, names, 6));
    QCOMPARE(updateAll(30000), QByteArray());
    QStringList asked;
    for (const QString &line : m_sim->linesStartingWith(QStringLiteral("picture-request plate=")))
        asked << line.section(QLatin1Char(' '), 1, 1);
    QStringList expected;
    for (int id : order)
        expected << QStringLiteral("plate=") + address(id - 11);
    QCOMPARE(asked, expected);
    // Each plate was asked only once the one before it was served: when a request is logged,
    // the pictures before the one just sent are stored (that one may still be on its way).
    const QStringList log = m_sim->lines();
    qsizetype requests = 0;
    qsizetype pictures = 0;
    for (const QString &line : log) {
        if (line.startsWith(QStringLiteral("picture plate=")))
            ++pictures;
        if (line.startsWith(QStringLiteral("picture-request"))) {
            QVERIFY2(pictures >= requests - 1, qPrintable(log.join(QLatin1Char('\n'))));
            ++requests;
        }
    }
    QVERIFY(m_sim->waitForLine(QStringLiteral("picture plate="), int(order.size())));
    QVERIFY(m_sim->picture(12) == picture(names.last()));
}

QTEST_MAIN(TestPlateBoardE2e)
#include "test_plateboard_e2e.moc"
