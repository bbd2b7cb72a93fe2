#include <QDir>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTimer>
#include <QTreeView>
#include <QUdpSocket>
#include <QtTest>
#include <cerrno>

#include "gui/mainwindow.h"
#include "layout/renderer.h"
#include "net/errorlistfile.h"
#include "net/platedatagrams.h"
#include "support/jpegcheck.h"
#include "support/listcells.h"
#include "support/loopbackplace.h"
#include "support/platesim.h"

using namespace delvora;
using namespace delvora::test;

namespace {

NameRecord entry(int seq, const QString &id, const QString &organisation, const QString &name,
                 const QString &title) {
    return NameRecord{seq, id, organisation, name, title};
}

// Four entries for plates 5, 7, 9 and 11; the texts differ so that each picture is its own.
QList<NameRecord> fourEntries() {
    return {entry(1, QStringLiteral("5"), QStringLiteral("国家发展和改革委员会"),
                  QStringLiteral("张伟"), QStringLiteral("副主任")),
            entry(2, QStringLiteral("7"), QStringLiteral("财政部"), QStringLiteral("李娜"),
                  QStringLiteral("司长")),
            entry(3, QStringLiteral("9"), QStringLiteral("教育部"), QStringLiteral("王芳"),
                  QStringLiteral("处长")),
            entry(4, QStringLiteral("11"), QStringLiteral("外交部"), QStringLiteral("刘洋"),
                  QStringLiteral("参赞"))};
}

// Pixels that differ clearly between two pictures of the same size.
int differingPixels(const QImage &a, const QImage &b) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    int n = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col)
            if (!near(x.pixelColor(col, row), y.pixelColor(col, row), 48))
                ++n;
    return n;
}

// A background that JPEG cannot shrink: the picture is then far larger than what the
// connection holds while a plate does not read.
QImage noise() {
    QImage image(1024, 600, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, random.generate() | 0xff000000u);
    return image;
}

// A plate that stops reading fails its picture after this long (10 s for the operator).
constexpr int kStallMs = 3000;

QByteArray lines(const QList<QPair<QString, ErrorListFile::Reason>> &failures) {
    QByteArray out;
    for (const auto &[id, reason] : failures)
        out += ErrorListFile::line(id, reason);
    return out;
}

} // namespace

// "网络更新" in the real main window, against simulated plates on loopback.
class TestNetworkUpdateE2e : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void selectedEntryGetsItsPicture();
    void onlyTheLowestSelectedEntry();
    void oneEntryFailures_data();
    void oneEntryFailures();
    void updateAll_data();
    void updateAll();
    void errorListThatCannotBeCreated();
    void lateConnectionGetsNoPicture();
    void listChangedDuringUpdateAll();
    void portTakenAtStart();
    void windowClosedDuringUpdateAll();
    void platesThatMisbehave();
    void floodDuringUpdateAll();

private:
    // Starts the simulator with these plates on 127.0.0.2 and up, opens the window, fills the
    // name list and finds the plates that answer (`listed` of them; by default every plate
    // that is not silent).
    bool open(const QList<QPair<int, QStringList>> &plates, const QList<NameRecord> &names,
              int listed = -1);
    // The online list as "ID@address" texts.
    QStringList onlineRows();
    void press() { QTest::mouseClick(m_button, Qt::LeftButton); }
    // The picture the window renders for this entry with its current layout.
    QImage rendering(const NameRecord &e);
    // True when `bytes` are a JPEG of the canvas size showing this entry.
    bool showsEntry(const QByteArray &bytes, const NameRecord &e, const NameRecord &other);

    std::unique_ptr<LoopbackPlace> m_place;
    std::unique_ptr<PlateSim> m_sim;
    std::unique_ptr<MainWindow> m_window;
    QPushButton *m_button = nullptr;
    QProgressBar *m_progress = nullptr;
};

void TestNetworkUpdateE2e::init() {
    m_place = std::make_unique<LoopbackPlace>();
}

void TestNetworkUpdateE2e::cleanup() {
    m_window.reset();
    m_sim.reset();
    m_place.reset();
}

QStringList TestNetworkUpdateE2e::onlineRows() {
    return listPairs(m_window->findChild<QTreeView *>(QStringLiteral("onlineList")),
                     QLatin1Char('@'));
}

bool TestNetworkUpdateE2e::open(const QList<QPair<int, QStringList>> &plates,
                                const QList<NameRecord> &names, int listed) {
    m_sim = std::make_unique<PlateSim>(m_place->dir.path());
    const bool countListed = listed < 0;
    if (countListed)
        listed = 0;
    for (qsizetype i = 0; i < plates.size(); ++i) {
        m_sim->addPlate(plates[i].first, QStringLiteral("127.0.0.%1").arg(i + 2), plates[i].second);
        if (countListed)
            listed += plates[i].second.contains(QStringLiteral("silent")) ? 0 : 1;
    }
    if (!m_sim->start()) {
        qWarning() << m_sim->errors();
        return false;
    }
    NetworkParameters network;
    network.stallTimeoutMs = kStallMs;
    m_window = std::make_unique<MainWindow>(network);
    m_button = m_window->findChild<QPushButton *>(QStringLiteral("networkUpdate"));
    m_progress = m_window->findChild<QProgressBar *>(QStringLiteral("progress"));
    m_window->names().append(names);
    m_window->findChild<QPushButton *>(QStringLiteral("detectPlates"))->click();
    auto *online = m_window->findChild<QTreeView *>(QStringLiteral("onlineList"));
    if (QTest::qWaitFor([&] { return listRows(online) == listed; }, 5000))
        return m_button && m_progress;
    qWarning() << "online:" << onlineRows() << "prompts:" << m_place->prompt.texts()
               << m_sim->lines();
    return false;
}

QImage TestNetworkUpdateE2e::rendering(const NameRecord &e) {
    const PlateLayout &layout = m_window->design().layout();
    // Through the same JPEG coding, so that only a different picture differs.
    return decodeJpeg(qtWriterJpeg(
        renderPlate(layout, m_window->design().canvas().m_background, e.texts()), 100));
}

bool TestNetworkUpdateE2e::showsEntry(const QByteArray &bytes, const NameRecord &e,
                                      const NameRecord &other) {
    const QImage got = decodeJpeg(bytes);
    if (got.size() !=
        QSize(m_window->design().canvas().m_width, m_window->design().canvas().m_height)) {
        qWarning() << "picture of size" << got.size();
        return false;
    }
    const int own = differingPixels(got, rendering(e));
    const int others = differingPixels(got, rendering(other));
    if (own > 0 || others < 1000) {
        qWarning() << "differs from its entry in" << own << "pixels, from another in" << others;
        return false;
    }
    return true;
}

void TestNetworkUpdateE2e::selectedEntryGetsItsPicture() {
    const QList<NameRecord> names = fourEntries();
    QVERIFY(open({{5, {}}, {7, {}}}, names));
    m_window->names().selectionModel()->select(m_window->names().index(1, 0),
                                               QItemSelectionModel::Select);
    const QImage preview = m_window->preview().picture();
    press();
    QVERIFY(!m_button->isEnabled());
    QVERIFY(m_sim->waitForLine(QStringLiteral("picture plate=127.0.0.3 id=7")));
    QTRY_VERIFY(m_button->isEnabled());

    const QByteArray sent = m_place->dir.read(QStringLiteral("x.jpg"));
    QCOMPARE(m_sim->picture(7), sent);
    QVERIFY(showsEntry(sent, names[1], names[0]));
    QCOMPARE(m_progress->maximum(), int(sent.size()));
    QCOMPARE(m_progress->value(), int(sent.size()));
    QVERIFY(m_place->prompt.shown.isEmpty());
    QVERIFY(m_sim->linesStartingWith(QStringLiteral("picture-request plate=127.0.0.2")).isEmpty());
    QVERIFY(m_place->editor.opened.isEmpty());
    // Sending draws nothing into the preview.
    QCOMPARE(m_window->preview().picture(), preview);
}

void TestNetworkUpdateE2e::onlyTheLowestSelectedEntry() {
    const QList<NameRecord> names = fourEntries();
    QVERIFY(open({{5, {}}, {7, {}}, {9, {}}}, names));
    auto *selection = m_window->names().selectionModel();
    selection->select(m_window->names().index(2, 0), QItemSelectionModel::Select);
    selection->select(m_window->names().index(1, 0), QItemSelectionModel::Select);
    press();
    QVERIFY(m_sim->waitForLine(QStringLiteral("picture plate=127.0.0.3 id=7")));
    QTRY_VERIFY(m_button->isEnabled());
    QCOMPARE(m_sim->linesStartingWith(QStringLiteral("picture-request")).size(), 1);
    QVERIFY(m_place->prompt.shown.isEmpty());
}

void TestNetworkUpdateE2e::oneEntryFailures_data() {
    QTest::addColumn<QStringList>("plateOptions");
    QTest::addColumn<QString>("setup"); // "no names", "no picture" or nothing
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("warning");
    QTest::addColumn<int>("minMs"); // the least time the failure must take
    QTest::newRow("no names") << QStringList() << QStringLiteral("no names")
                              << QStringLiteral("没有可显示的文字！") << false << 0;
    QTest::newRow("not online") << QStringList{QStringLiteral("silent")} << QString()
                                << QStringLiteral("选择的桌牌不在线!") << false << 0;
    // Nothing can be drawn; the picture file of an earlier update must not go out instead.
    QTest::newRow("no picture") << QStringList() << QStringLiteral("no picture")
                                << QStringLiteral("打开文件失败") << true << 0;
    QTest::newRow("never connects") << QStringList{QStringLiteral("no-connect")} << QString()
                                    << QStringLiteral("等待桌牌连接超时！") << true << 2000;
    QTest::newRow("closes early") << QStringList{QStringLiteral("close-after=5000")} << QString()
                                  << QStringLiteral("更新过程出现错误！") << true << 0;
    QTest::newRow("stops reading") << QStringList{QStringLiteral("read-limit=5000")} << QString()
                                   << QStringLiteral("更新过程出现错误！") << true << kStallMs;
}

void TestNetworkUpdateE2e::oneEntryFailures() {
    QFETCH(QStringList, plateOptions);
    QFETCH(QString, setup);
    QFETCH(QString, message);
    QFETCH(bool, warning);
    QFETCH(int, minMs);
    const bool noNames = setup == QStringLiteral("no names");
    QVERIFY(open({{5, plateOptions}}, noNames ? QList<NameRecord>() : fourEntries()));
    m_window->design().setBackgroundPicture(noise());
    if (setup == QStringLiteral("no picture")) {
        m_place->dir.write(QStringLiteral("x.jpg"), "an earlier picture");
        m_window->design().setBackgroundPicture(QImage());
    }
    if (!noNames)
        m_window->names().selectionModel()->select(m_window->names().index(0, 0),
                                                   QItemSelectionModel::Select);
    QElapsedTimer clock;
    clock.start();
    press();
    QTRY_VERIFY_WITH_TIMEOUT(!m_place->prompt.shown.isEmpty(), 20000);
    QVERIFY2(clock.elapsed() >= minMs, qPrintable(QString::number(clock.elapsed())));
    QVERIFY2(clock.elapsed() < minMs + 3000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(m_place->prompt.texts(), QStringList{message});
    QCOMPARE(m_place->prompt.shown[0].icon, warning ? Prompt::Icon::Warning : Prompt::Icon::None);
    QVERIFY(m_button->isEnabled());
    QVERIFY(m_sim->picture(5).isEmpty());
    if (setup == QStringLiteral("no picture"))
        QVERIFY(m_sim->linesStartingWith(QStringLiteral("picture-request")).isEmpty());
}

void TestNetworkUpdateE2e::updateAll_data() {
    using R = ErrorListFile::Reason;
    QTest::addColumn<QList<NameRecord>>("names");
    QTest::addColumn<QStringList>("lastPlateOptions"); // of plate 9
    QTest::addColumn<bool>("noPictureFile");
    QTest::addColumn<QByteArray>("errors");
    QTest::addColumn<QList<int>>("served");
    const QList<NameRecord> four = fourEntries();
    // Plates 5 and 9 are found; no plate 7 or 11.
    QTest::newRow("offline and time-out")
        << QList<NameRecord>{four[0], four[1], four[2]} << QStringList{QStringLiteral("no-connect")}
        << false
        << lines({{QStringLiteral("7"), R::NotOnline}, {QStringLiteral("9"), R::ConnectTimeout}})
        << QList<int>{5};
    QTest::newRow("all delivered") << QList<NameRecord>{four[2], four[0]} << QStringList() << false
                                   << QByteArray() << QList<int>{9, 5};
    QTest::newRow("ID not a number")
        << QList<NameRecord>{entry(1, QStringLiteral("主席"), QStringLiteral("a"),
                                   QStringLiteral("b"), QStringLiteral("c")),
                             four[0]}
        << QStringList() << false << lines({{QStringLiteral("主席"), R::NotOnline}})
        << QList<int>{5};
    QTest::newRow("transfer fails")
        << QList<NameRecord>{four[2], four[0]} << QStringList{QStringLiteral("close-after=5000")}
        << false << lines({{QStringLiteral("9"), R::TransferFailed}}) << QList<int>{5};
    // ./x.jpg is only the record of the last picture sent: a record that cannot be written
    // stops no plate's picture.
    QTest::newRow("no picture file")
        << QList<NameRecord>{four[0], four[3], four[2]} << QStringList() << true
        << lines({{QStringLiteral("11"), R::NotOnline}}) << QList<int>{5, 9};
}

void TestNetworkUpdateE2e::updateAll() {
    QFETCH(QList<NameRecord>, names);
    QFETCH(QStringList, lastPlateOptions);
    QFETCH(bool, noPictureFile);
    QFETCH(QByteArray, errors);
    QFETCH(QList<int>, served);
    QVERIFY(open({{5, {}}, {9, lastPlateOptions}}, names));
    m_window->design().setBackgroundPicture(noise());
    if (noPictureFile)
        QVERIFY(QDir(m_place->dir.path()).mkdir(QStringLiteral("x.jpg")));
    m_place->dir.write(QStringLiteral("dispError.txt"), "left from the last update\r\n");

    press();
    QVERIFY(!m_button->isEnabled());
    // The USB export shares the progress bar: it waits until the update has ended.
    QPushButton *usb = m_window->findChild<QPushButton *>(QStringLiteral("usbUpdate"));
    QVERIFY(!usb->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(m_place->editor.opened.size(), 1, 20000);
    QTRY_VERIFY(m_button->isEnabled());
    QVERIFY(usb->isEnabled());
    QCOMPARE(QFileInfo(m_place->editor.opened[0].path).canonicalFilePath(),
             QFileInfo(m_place->dir.file(QStringLiteral("dispError.txt"))).canonicalFilePath());
    QCOMPARE(m_place->editor.opened[0].bytes, errors);
    QCOMPARE(m_place->dir.read(QStringLiteral("dispError.txt")), errors);
    QVERIFY(m_place->prompt.shown.isEmpty());

    // Sent means handed to the system: the plate may still be storing its picture.
    for (int id : served)
        QVERIFY(m_sim->waitForLine(
            QStringLiteral("picture plate=127.0.0.%1 id=%2").arg(id == 5 ? 2 : 3).arg(id)));
    QCOMPARE(m_sim->linesStartingWith(QStringLiteral("picture plate=")).size(), served.size());
    for (int id : served) {
        const auto own = std::find_if(names.cbegin(), names.cend(), [id](const NameRecord &e) {
            return e.id == QString::number(id);
        });
        QVERIFY(showsEntry(m_sim->picture(id), *own, fourEntries()[3]));
    }
}

void TestNetworkUpdateE2e::errorListThatCannotBeCreated() {
    QVERIFY(open({{5, {}}}, fourEntries()));
    QVERIFY(QDir(m_place->dir.path()).mkdir(QStringLiteral("dispError.txt")));
    press();
    QCOMPARE(m_place->prompt.texts(), QStringList{QStringLiteral("打开文件失败")});
    QCOMPARE(m_place->prompt.shown[0].icon, Prompt::Icon::Warning);
    QVERIFY(m_button->isEnabled());
    QVERIFY(m_place->editor.opened.isEmpty());
    QVERIFY(!m_sim->waitForLine(QStringLiteral("picture-request"), 1, 500));
}

void TestNetworkUpdateE2e::lateConnectionGetsNoPicture() {
    // Plate 5 connects after its time-out, while plate 7 is being waited for.
    const QList<NameRecord> names = fourEntries().mid(0, 2);
    QVERIFY(open(
        {{5, {QStringLiteral("connect-delay=2600")}}, {7, {QStringLiteral("connect-delay=1200")}}},
        names));
    press();
    QTRY_COMPARE_WITH_TIMEOUT(m_place->editor.opened.size(), 1, 20000);
    QCOMPARE(m_place->editor.opened[0].bytes,
             lines({{QStringLiteral("5"), ErrorListFile::Reason::ConnectTimeout}}));
    QVERIFY2(m_sim->waitForLine(QStringLiteral("picture plate=127.0.0.3 id=7")),
             qPrintable(m_sim->lines().join(QLatin1Char('\n'))));
    QVERIFY(showsEntry(m_sim->picture(7), names[1], names[0]));
    QVERIFY(m_sim->waitForLine(QStringLiteral("picture-failed plate=127.0.0.2 id=5")));
    QVERIFY(m_sim->picture(5).isEmpty());
}

void TestNetworkUpdateE2e::listChangedDuringUpdateAll() {
    const QList<NameRecord> names = fourEntries().mid(0, 2);
    QVERIFY(open({{5, {QStringLiteral("connect-delay=300")}}, {7, {}}}, names));
    press();
    QVERIFY(!m_button->isEnabled());
    // An import while the update runs replaces the list; the update keeps its own entries,
    // and a second press cannot start another update.
    m_window->names().clear();
    m_window->names().append({fourEntries()[3]});
    press();
    QTRY_COMPARE_WITH_TIMEOUT(m_place->editor.opened.size(), 1, 20000);
    QCOMPARE(m_place->editor.opened[0].bytes, QByteArray());
    QVERIFY(m_sim->waitForLine(QStringLiteral("picture plate="), 2));
    QVERIFY(showsEntry(m_sim->picture(5), names[0], names[1]));
    QVERIFY(showsEntry(m_sim->picture(7), names[1], names[0]));
    QCOMPARE(m_sim->linesStartingWith(QStringLiteral("picture-request")).size(), 2);
}

void TestNetworkUpdateE2e::portTakenAtStart() {
    QTcpServer squatter;
    QVERIFY(squatter.listen(QHostAddress::AnyIPv4, 8087));
    QVERIFY(open({{5, {}}}, fourEntries()));
    QCOMPARE(m_place->prompt.texts(),
             QStringList{QStringLiteral("Bind Error:%1 ").arg(EADDRINUSE)});
    m_place->prompt.clear();

    m_window->names().selectionModel()->select(m_window->names().index(0, 0),
                                               QItemSelectionModel::Select);
    press();
    QTRY_VERIFY_WITH_TIMEOUT(!m_place->prompt.shown.isEmpty(), 5000);
    QCOMPARE(m_place->prompt.texts(), QStringList{QStringLiteral("等待桌牌连接超时！")});

    m_window->names().selectionModel()->clear();
    press();
    QTRY_COMPARE_WITH_TIMEOUT(m_place->editor.opened.size(), 1, 20000);
    QCOMPARE(m_place->editor.opened[0].bytes,
             lines({{QStringLiteral("5"), ErrorListFile::Reason::ConnectTimeout},
                    {QStringLiteral("7"), ErrorListFile::Reason::NotOnline},
                    {QStringLiteral("9"), ErrorListFile::Reason::NotOnline},
                    {QStringLiteral("11"), ErrorListFile::Reason::NotOnline}}));
    QVERIFY(m_sim->picture(5).isEmpty());
}

void TestNetworkUpdateE2e::windowClosedDuringUpdateAll() {
    QVERIFY(open({{5, {QStringLiteral("no-connect")}}, {9, {}}}, fourEntries()));
    press();
    QVERIFY(m_sim->waitForLine(QStringLiteral("picture-request plate=127.0.0.2")));
    QVERIFY(m_sim->waitForLine(QStringLiteral("picture-request plate=127.0.0.3")));
    const int asked = int(m_sim->linesStartingWith(QStringLiteral("picture-request")).size());
    m_window.reset();
    // What was found so far stays on disk (nothing: the first entry has no result yet, and the
    // list keeps its order); the rest of the list is dropped without an editor.
    QCOMPARE(m_place->dir.read(QStringLiteral("dispError.txt")), QByteArray());
    // Past the time-out that would have ended the first plate's wait: no plate is asked again.
    QVERIFY(!m_sim->waitForLine(QStringLiteral("picture-request"), asked + 1, 2500));
    QVERIFY(m_place->editor.opened.isEmpty());
}

void TestNetworkUpdateE2e::platesThatMisbehave() {
    // Plate 5 talks back on its picture connection and opens a second one; plates 7 and 9
    // answer discovery with bytes that are no ID (too large, empty); plate 11 answers with its
    // ID followed by bytes a plate does not send.
    const QList<NameRecord> names = fourEntries();
    QVERIFY(open({{5, {QStringLiteral("chatter=300000"), QStringLiteral("connect-twice")}},
                  {7, {QStringLiteral("answer=78797a00")}},
                  {9, {QStringLiteral("answer=")}},
                  {11, {QStringLiteral("answer=0b000000ffffffff")}}},
                 names, 2));
    QTest::qWait(200); // room for a stray late answer to show
    QCOMPARE(onlineRows(),
             (QStringList{QStringLiteral("5@127.0.0.2"), QStringLiteral("11@127.0.0.5")}));
    m_window->design().setBackgroundPicture(noise());

    press();
    QTRY_COMPARE_WITH_TIMEOUT(m_place->editor.opened.size(), 1, 20000);
    QTRY_VERIFY(m_button->isEnabled());
    QCOMPARE(m_place->editor.opened[0].bytes,
             lines({{QStringLiteral("7"), ErrorListFile::Reason::NotOnline},
                    {QStringLiteral("9"), ErrorListFile::Reason::NotOnline}}));
    QVERIFY(m_place->prompt.shown.isEmpty());
    QVERIFY(m_sim->waitForLine(QStringLiteral("picture plate=127.0.0.2 id=5")));
    QVERIFY(m_sim->waitForLine(QStringLiteral("picture plate=127.0.0.5 id=11")));
    QVERIFY(showsEntry(m_sim->picture(5), names[0], names[3]));
    QVERIFY(showsEntry(m_sim->picture(11), names[3], names[0]));
    // The second connection was not the one asked for: closed at once, without picture bytes.
    QVERIFY(m_sim->waitForLine(QStringLiteral("extra-connection plate=127.0.0.2")));
    QCOMPARE(m_sim->linesStartingWith(QStringLiteral("extra-connection")),
             QStringList{QStringLiteral(
                 "extra-connection plate=127.0.0.2 id=5 closed-by=program received=0")});
}

void TestNetworkUpdateE2e::floodDuringUpdateAll() {
    const QList<NameRecord> names = fourEntries();
    QVERIFY(open({{5, {}}, {7, {}}, {9, {}}, {11, {}}}, names));
    m_window->design().setBackgroundPicture(noise());

    // Random datagrams of every size, from ten addresses that are no plate and were never
    // asked, for as long as the update runs; among them one- and two-byte answers carrying the
    // IDs of the plates being updated. None of them may take a plate's place.
    std::vector<std::unique_ptr<QUdpSocket>> flooders;
    for (int i = 0; i < 10; ++i) {
        flooders.push_back(std::make_unique<QUdpSocket>());
        // Outside the swept 127.0.0.x, so not even the search asked them.
        QVERIFY(flooders.back()->bind(QHostAddress(QStringLiteral("127.0.1.%1").arg(20 + i)), 0));
    }
    QRandomGenerator random(11);
    qint64 sent = 0;
    const auto send = [&](const QByteArray &datagram) {
        auto &from = flooders[size_t(random.bounded(10))];
        if (from->writeDatagram(datagram, QHostAddress(QStringLiteral("127.0.0.1")), 8089) >= 0)
            ++sent;
    };
    QTimer flood;
    connect(&flood, &QTimer::timeout, [&] {
        for (int n = 0; n < 20; ++n) {
            QByteArray datagram(random.bounded(1400), '\0');
            for (char &c : datagram)
                c = char(random.bounded(256));
            send(datagram);
        }
        for (const char id : {5, 7, 9, 11}) {
            send(QByteArray(1, id));
            send(QByteArray({id, '\0'}));
        }
    });
    flood.start(0);

    press();
    QTRY_COMPARE_WITH_TIMEOUT(m_place->editor.opened.size(), 1, 30000);
    flood.stop();
    QVERIFY2(sent > 1000, qPrintable(QString::number(sent)));
    QCOMPARE(m_place->editor.opened[0].bytes, QByteArray());
    QVERIFY(m_place->prompt.shown.isEmpty());
    QVERIFY(m_sim->waitForLine(QStringLiteral("picture plate="), 4));
    for (qsizetype i = 0; i < names.size(); ++i)
        QVERIFY(showsEntry(m_sim->picture(names[i].id.toInt()), names[i],
                           names[(i + 1) % names.size()]));
    QCOMPARE(m_sim->linesStartingWith(QStringLiteral("picture-failed")), QStringList());

    // Still usable: once the flood has drained, a new search lists exactly the plates.
    QTest::qWait(300);
    m_window->findChild<QPushButton *>(QStringLiteral("detectPlates"))->click();
    QTRY_COMPARE(onlineRows().size(), 4);
    QTest::qWait(200);
    QStringList rows = onlineRows();
    rows.sort();
    QCOMPARE(rows, (QStringList{QStringLiteral("11@127.0.0.5"), QStringLiteral("5@127.0.0.2"),
                                QStringLiteral("7@127.0.0.3"), QStringLiteral("9@127.0.0.4")}));
}

QTEST_MAIN(TestNetworkUpdateE2e)
#include "test_networkupdate_e2e.moc"
