#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QPushButton>
#include <QTreeView>
#include <QtTest>

#include "gui/application.h"
#include "gui/mainwindow.h"
#include "layout/jpegencoder.h"
#include "layout/logfont.h"
#include "support/fakedrives.h"
#include "support/listcells.h"
#include "support/loopbackplace.h"
#include "support/picturecases.h"
#include "support/platesim.h"

using namespace delvora;
using namespace delvora::test;

namespace {

struct Digests {
    QByteArray network; // quality 100
    QByteArray drive;   // quality 97
};

QString fingerprint() {
    QStringList families;
    for (const CaseRow &row : pictureCaseRows())
        families << QFontInfo(QFont(QString::fromUtf16(row.family))).family();
    return QStringLiteral("%1 %2 %3")
        .arg(QString::fromLatin1(qVersion()), families.join(u','),
             hasFastJpegEncoder() ? QStringLiteral("turbojpeg") : QStringLiteral("qt"));
}

QByteArray digest(const QByteArray &bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

PlateLayout caseLayout(const PictureCase &c) {
    PlateLayout layout;
    layout.backColor = pictureCaseBackColor();
    const QList<CaseRow> rows = pictureCaseRows();
    for (int i = 0; i < PlateLayout::kRows; ++i) {
        const CaseRow &d = rows.at(i);
        LogFont record;
        record.setFaceName(QString::fromUtf16(d.family));
        record.height = -d.pixels;
        record.weight = d.weight;
        record.italic = d.italic ? 1 : 0;
        RowStyle &row = layout.rows[size_t(i)];
        row.font = logFontToQFont(record);
        row.color = d.color;
        row.alignH = d.alignH;
        row.alignV = d.alignV;
        row.indentLeft = d.indentLeft;
        row.indentTop = d.indentTop;
        row.indentRight = d.indentRight;
        row.indentBottom = d.indentBottom;
        row.autoFit = c.autoFit;
    }
    return layout;
}

} // namespace

// Every way a plate picture leaves the program (one plate, every plate, the USB drive) gives
// the bytes the program has always made of the same plate, for a table of plates.
class TestPicturePipelineE2e : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void sameBytesAsEver_data();
    void sameBytesAsEver();
    void cleanupTestCase();

private:
    QMap<QString, Digests> m_expected;
    std::unique_ptr<LoopbackPlace> m_place;
    std::unique_ptr<PlateSim> m_sim;
    std::unique_ptr<FakeDrives> m_drive;
    std::unique_ptr<MainWindow> m_window;
};

void TestPicturePipelineE2e::initTestCase() {
    Application::prepareApplication();
    QFile file(sourcePath(QStringLiteral("tests/support/picturedigests.txt")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QString recorded;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QList<QByteArray> parts = line.split('\t');
        if (line.startsWith('#') || parts.size() < 2)
            continue;
        if (parts[0] == "fingerprint")
            recorded = QString::fromUtf8(parts[1]);
        else if (parts.size() == 3)
            m_expected.insert(QString::fromUtf8(parts[0]), {parts[1], parts[2]});
    }
    QCOMPARE(m_expected.size(), pictureCases().size());
    if (recorded != fingerprint())
        QSKIP(
            qPrintable(QStringLiteral("the digests were taken with %1, this machine draws with %2")
                           .arg(recorded, fingerprint())));

    m_place = std::make_unique<LoopbackPlace>();
    QDir(m_place->dir.path()).mkpath(QStringLiteral("drive"));
    m_drive = std::make_unique<FakeDrives>(
        QList<DriveInfo>{FakeDrives::stick(m_place->dir.file(QStringLiteral("drive")))});
    m_sim = std::make_unique<PlateSim>(m_place->dir.path());
    m_sim->addPlate(1, QStringLiteral("127.0.0.2")).addPlate(2, QStringLiteral("127.0.0.3"));
    QVERIFY(m_sim->start());
    m_window = std::make_unique<MainWindow>();
    m_window->findChild<QPushButton *>(QStringLiteral("detectPlates"))->click();
    auto *online = m_window->findChild<QTreeView *>(QStringLiteral("onlineList"));
    QTRY_COMPARE_WITH_TIMEOUT(listRows(online), 2, 5000);
}

void TestPicturePipelineE2e::cleanupTestCase() {
    m_window.reset();
    m_sim.reset();
    m_drive.reset();
    m_place.reset();
}

void TestPicturePipelineE2e::sameBytesAsEver_data() {
    QTest::addColumn<int>("index");
    const QList<PictureCase> cases = pictureCases();
    for (int i = 0; i < cases.size(); ++i)
        QTest::newRow(qPrintable(cases[i].name)) << i;
}

void TestPicturePipelineE2e::sameBytesAsEver() {
    QFETCH(int, index);
    const PictureCase c = pictureCases().at(index);
    const Digests expected = m_expected.value(c.name);
    MainWindow &window = *m_window;
    auto &face = window.face();
    (c.width == 800 ? face.actionRes800 : face.actionRes1024)->trigger();
    window.design().setLayout(caseLayout(c));
    window.design().setBackColor(pictureCaseBackColor());
    if (c.pictureBackground)
        window.design().setBackgroundPicture(pictureCaseBackground());
    const QImage preview = window.preview().picture();

    NameList &names = window.names();
    names.clear();
    names.append({{1, QStringLiteral("1"), c.organisation, c.person, c.title},
                  {2, QStringLiteral("2"), c.organisation, c.person, c.title}});
    m_place->prompt.clear();
    m_place->prompt.answers.clear();
    m_place->prompt.answers.enqueue(true); // long texts are marked: send them all the same
    m_place->prompt.answers.enqueue(true);

    // Every plate.
    const int before = m_sim->linesStartingWith(QStringLiteral("picture plate=")).size();
    face.networkUpdate->click();
    QVERIFY(m_sim->waitForLine(QStringLiteral("picture plate="), before + 2, 20000));
    QTRY_VERIFY_WITH_TIMEOUT(face.networkUpdate->isEnabled(), 20000);
    QCOMPARE(digest(m_sim->picture(1)), expected.network);
    QCOMPARE(digest(m_sim->picture(2)), expected.network);

    // One selected plate.
    QFile::remove(m_sim->pictureDir() + QStringLiteral("/1.jpg"));
    names.selectionModel()->select(names.index(0, 0), QItemSelectionModel::Select);
    face.networkUpdate->click();
    QVERIFY(m_sim->waitForLine(QStringLiteral("picture plate="), before + 3, 20000));
    QTRY_VERIFY_WITH_TIMEOUT(face.networkUpdate->isEnabled(), 20000);
    QCOMPARE(digest(m_sim->picture(1)), expected.network);
    names.selectionModel()->clearSelection();

    // The USB drive.
    face.usbUpdate->click();
    QTRY_VERIFY_WITH_TIMEOUT(face.usbUpdate->isEnabled(), 20000);
    for (const char *id : {"1", "2"}) {
        QFile picture(
            m_place->dir.file(QStringLiteral("drive/PICTURE/%1.jpg").arg(QLatin1String(id))));
        QVERIFY(picture.open(QIODevice::ReadOnly));
        QCOMPARE(digest(picture.readAll()), expected.drive);
    }
    // None of it touched the preview.
    QCOMPARE(window.preview().picture(), preview);
}

QTEST_MAIN(TestPicturePipelineE2e)
#include "test_picturepipeline_e2e.moc"
