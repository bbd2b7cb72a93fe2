#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "gui/application.h"
#include "gui/mainwindow.h"
#include "support/fakedrives.h"
#include "support/scriptedprompt.h"
#include "support/tempworkdir.h"
#include "gui/idrangedialog.h"

using namespace delvora;
using namespace delvora::test;

namespace {

// Answers the range dialog once it is open: each pair of texts is typed and OK pressed; an
// empty list cancels with Esc.
void answerRangeDialog(QList<std::pair<QString, QString>> attempts) {
    QTimer::singleShot(0, [attempts]() mutable {
        auto *dlg = qobject_cast<IdRangeDialog *>(QApplication::activeModalWidget());
        QVERIFY(dlg);
        QCOMPARE(dlg->windowTitle(), QStringLiteral("请输入ID范围"));
        auto *start = dlg->findChild<QLineEdit *>(QStringLiteral("idStart"));
        auto *end = dlg->findChild<QLineEdit *>(QStringLiteral("idEnd"));
        QCOMPARE(start->text(), QStringLiteral("1"));
        QCOMPARE(end->text(), QStringLiteral("99"));
        if (attempts.isEmpty()) {
            QTest::keyClick(dlg, Qt::Key_Escape);
            return;
        }
        for (const auto &[a, b] : attempts) {
            start->setText(a);
            end->setText(b);
            dlg->findChild<QPushButton *>(QStringLiteral("idOk"))->click();
        }
        if (dlg->isVisible())
            dlg->reject();
    });
}

} // namespace

class TestIdListCommand : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Application::prepareApplication(); }
    void ranges_data();
    void ranges();
    void refusedInput_data();
    void refusedInput();
    void cancelAndRerun();
    void unwritableFile();
};

void TestIdListCommand::ranges_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("1..3") << "1"
                          << "3" << QByteArray("000100020003");
    QTest::newRow("5..5") << "5"
                          << "5" << QByteArray("0005");
    QTest::newRow("10..9 empty") << "10"
                                 << "9" << QByteArray();
    QTest::newRow("12abc") << "12abc"
                           << " 13" << QByteArray("00120013");
    QByteArray all;
    for (int i = 1; i <= 999; ++i)
        all += QByteArray::number(i).rightJustified(4, '0');
    QTest::newRow("1..999") << "1"
                            << "999" << all;
}

void TestIdListCommand::ranges() {
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QByteArray, content);
    TempWorkDir dir;
    dir.useFixedAddress();
    FakeDrives drives({FakeDrives::stick(dir.path())});
    ScriptedPrompt prompt;
    MainWindow dlg;
    answerRangeDialog({{start, end}});
    dlg.face().makeIdFile->click();
    QCOMPARE(dir.read(QStringLiteral("ID.txt")), content);
    QCOMPARE(prompt.texts(), QStringList{QStringLiteral("生成ID配置文档成功！")});
}

void TestIdListCommand::refusedInput_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("icon");
    const QString range = QStringLiteral("请输入一个 1 至 999 之间的整数。");
    const QString integer = QStringLiteral("请输入一个整数。");
    QTest::newRow("start 0") << "0"
                             << "5" << range << int(Prompt::Icon::Warning);
    QTest::newRow("end 1000") << "1"
                              << "1000" << range << int(Prompt::Icon::Warning);
    QTest::newRow("letters") << "abc"
                             << "5" << integer << int(Prompt::Icon::None);
    QTest::newRow("both wrong: only the start") << "x"
                                                << "1000" << integer << int(Prompt::Icon::None);
}

void TestIdListCommand::refusedInput() {
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, message);
    QFETCH(int, icon);
    TempWorkDir dir;
    dir.useFixedAddress();
    FakeDrives drives({FakeDrives::stick(dir.path())});
    ScriptedPrompt prompt;
    MainWindow dlg;
    answerRangeDialog({{start, end}});
    dlg.face().makeIdFile->click();
    QCOMPARE(prompt.texts(), QStringList{message});
    QCOMPARE(int(prompt.shown.first().icon), icon);
    QVERIFY(!QFile::exists(QStringLiteral("ID.txt")));
}

void TestIdListCommand::cancelAndRerun() {
    TempWorkDir dir;
    dir.useFixedAddress();
    FakeDrives drives({FakeDrives::stick(dir.path())});
    ScriptedPrompt prompt;
    MainWindow dlg;
    answerRangeDialog({});
    dlg.face().makeIdFile->click();
    QVERIFY(!QFile::exists(QStringLiteral("ID.txt")));
    QVERIFY(prompt.shown.isEmpty());
    answerRangeDialog({{QStringLiteral("1"), QStringLiteral("9")}});
    dlg.face().makeIdFile->click();
    answerRangeDialog({{QStringLiteral("7"), QStringLiteral("8")}});
    dlg.face().makeIdFile->click();
    QCOMPARE(dir.read(QStringLiteral("ID.txt")), QByteArray("00070008"));
}

void TestIdListCommand::unwritableFile() {
    TempWorkDir dir;
    dir.useFixedAddress();
    // A folder named ID.txt can be neither deleted as a file nor opened for writing.
    QDir(dir.path()).mkpath(QStringLiteral("ID.txt/inside"));
    FakeDrives drives({FakeDrives::stick(dir.path())});
    ScriptedPrompt prompt;
    MainWindow dlg;
    answerRangeDialog({{QStringLiteral("1"), QStringLiteral("3")}});
    dlg.face().makeIdFile->click();
    QCOMPARE(prompt.shown.size(), 1);
    QCOMPARE(prompt.shown.first().icon, Prompt::Icon::Stop);
    QVERIFY(prompt.shown.first().text.contains(QStringLiteral("ID.txt")));
}

QTEST_MAIN(TestIdListCommand)
#include "test_idlistcommand.moc"
