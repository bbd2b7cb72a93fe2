// The program meets damaged files in its working folder and a USB drive that disappears: it
// says what went wrong, changes no file it did not mean to change, and stays usable.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

#include "gui/application.h"
#include "gui/mainwindow.h"
#include "layout/profile.h"
#include "namelist/namelist.h"
#include "support/fakedrives.h"
#include "support/scriptedprompt.h"
#include "support/tempworkdir.h"

using namespace delvora;
using namespace delvora::test;

namespace {

QByteArray randomBytes(int size, quint32 seed) {
    QRandomGenerator rng(seed);
    QByteArray out(size, '\0');
    for (char &c : out)
        c = char(rng.bounded(256));
    return out;
}

// Removes a folder the moment the progress text shows a given step.
class PullDriveAt : public QObject {
public:
    PullDriveAt(QLabel *label, QString step, QString folder)
        : m_label(label), m_step(std::move(step)), m_folder(std::move(folder)) {
        label->installEventFilter(this);
    }
    bool pulled = false;

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Paint && !pulled && m_label->text() == m_step)
            pulled = QDir(m_folder).removeRecursively();
        return false;
    }

private:
    QLabel *m_label;
    QString m_step;
    QString m_folder;
};

} // namespace

class TestDamagedFiles : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Application::prepareApplication(); }
    void damagedLayoutFiles_data();
    void damagedLayoutFiles();
    void damagedNetworkSettings_data();
    void damagedNetworkSettings();
    void driveRemovedDuringExport();
};

void TestDamagedFiles::damagedLayoutFiles_data() {
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QByteArray>("fonts");
    QByteArray fonts;
    {
        TempWorkDir dir;
        dir.installResource(QStringLiteral("fontSetting.dat"));
        fonts = dir.read(QStringLiteral("fontSetting.dat"));
    }
    QTest::newRow("ini cut in a line, fonts cut in a record")
        << QByteArray("[Row0]\r\nalign_h=2\r\nindent_l=1\r\n[Row1]\r\ncolor_r=12")
        << fonts.left(130);
    QTest::newRow("random bytes in both") << randomBytes(700, 1) << randomBytes(276, 2);
    QTest::newRow("NUL bytes and no line ends") << QByteArray(300, '\0') << QByteArray(91, '\0');
    QTest::newRow("huge numbers")
        << QByteArray("[Resolution]\nH=99999999999\nV=-5\n[Row2]\nindent_t=2147483648\n") << fonts;
}

void TestDamagedFiles::damagedLayoutFiles() {
    QFETCH(QByteArray, ini);
    QFETCH(QByteArray, fonts);
    TempWorkDir dir;
    dir.useFixedAddress();
    dir.installResource(QStringLiteral("red.jpg"));
    dir.write(QStringLiteral("Settings.ini"), ini);
    dir.write(QStringLiteral("fontSetting.dat"), fonts);
    ScriptedPrompt prompt;
    {
        MainWindow dlg;
        QVERIFY(prompt.shown.isEmpty());
        // Still usable: texts are drawn, and an edit works.
        dlg.showEntry({1, QStringLiteral("1"), QStringLiteral("单位"), QStringLiteral("名字"),
                       QStringLiteral("职位")});
        QCOMPARE(dlg.preview().picture().size(), QSize(1024, 600));
        QCOMPARE(dlg.face().preview->geometry(), QRect(10, 10, 512, 300));
        dlg.face().indentTop->setText(QStringLiteral("7"));
        QCOMPARE(dlg.design().layout().rows[0].indentTop, 7);
    }
    // The font file is never rewritten by a start; the profile keeps every line it had, and
    // gains only the keys that were written.
    QCOMPARE(dir.read(QStringLiteral("fontSetting.dat")), fonts);
    const QByteArray after = dir.read(QStringLiteral("Settings.ini"));
    QCOMPARE(Profile::readInt(QStringLiteral("./Settings.ini"), QStringLiteral("Row0"),
                              QStringLiteral("indent_t"), -1),
             7);
    for (const QByteArray &line : ini.split('\n')) {
        const QByteArray kept = line.trimmed();
        if (kept.startsWith('[') || !kept.contains('=') || kept.startsWith("indent_"))
            continue;
        QVERIFY2(after.contains(kept), kept.constData());
    }
}

void TestDamagedFiles::damagedNetworkSettings_data() {
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QString>("message");
    QTest::newRow("cut inside the address")
        << QByteArray("\xFF\xFE\xFF\x00\xFF\xFE\xFF\x09\x31\x00\x32", 11)
        << QStringLiteral("读取配置失败");
    QTest::newRow("length beyond the file")
        << QByteArray("\xFF\xFE\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\x7F", 11)
        << QStringLiteral("读取配置失败");
    QTest::newRow("random") << randomBytes(64, 3) << QStringLiteral("读取配置失败");
    QTest::newRow("empty") << QByteArray() << QStringLiteral("读取配置失败");
}

void TestDamagedFiles::damagedNetworkSettings() {
    QFETCH(QByteArray, settings);
    QFETCH(QString, message);
    TempWorkDir dir;
    dir.write(QStringLiteral("settings.dat"), settings);
    ScriptedPrompt prompt;
    {
        MainWindow dlg;
        QCOMPARE(prompt.texts().value(0), message);
        // Discovery without a usable address says so instead of sweeping nothing.
        prompt.clear();
        dlg.face().detectPlates->click();
        QCOMPARE(prompt.shown.size(), 1);
    }
    QCOMPARE(dir.read(QStringLiteral("settings.dat")), settings);
}

void TestDamagedFiles::driveRemovedDuringExport() {
    TempWorkDir dir;
    dir.useFixedAddress();
    QDir(dir.path()).mkpath(QStringLiteral("drive"));
    FakeDrives drives({FakeDrives::stick(dir.file(QStringLiteral("drive")))});
    ScriptedPrompt prompt;
    MainWindow dlg;
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QList<NameRecord> entries;
    for (int i = 1; i <= 10; ++i)
        entries.append({i, QString::number(i), QStringLiteral("单位"),
                        QStringLiteral("名%1").arg(i), QStringLiteral("职位")});
    dlg.names().append(entries);
    PullDriveAt pull(dlg.face().progressText, QStringLiteral(" 40 %"),
                     dir.file(QStringLiteral("drive")));
    dlg.face().usbUpdate->click();
    QTRY_VERIFY_WITH_TIMEOUT(dlg.face().usbUpdate->isEnabled(), 30000);
    QVERIFY(pull.pulled);
    // The workers write ahead of the progress the window shows, so how many pictures were
    // still to be written when the drive went varies; each of those is counted, nothing
    // crashes, and the export ends with its message.
    QCOMPARE(prompt.texts().size(), 1);
    const QString said = prompt.texts().first();
    QVERIFY2(
        said == QStringLiteral("生成U盘文件成功") ||
            QRegularExpression(QStringLiteral("^有[1-6]张图片保存失败！$")).match(said).hasMatch(),
        qPrintable(said));
    // Usable again once the drive is back.
    QDir(dir.path()).mkpath(QStringLiteral("drive"));
    prompt.clear();
    dlg.face().usbUpdate->click();
    QTRY_VERIFY_WITH_TIMEOUT(dlg.face().usbUpdate->isEnabled(), 30000);
    QCOMPARE(prompt.texts(), QStringList{QStringLiteral("生成U盘文件成功")});
    QCOMPARE(QDir(dir.file(QStringLiteral("drive/PICTURE"))).entryList(QDir::Files).size(), 10);
}

QTEST_MAIN(TestDamagedFiles)
#include "test_damagedfiles.moc"
