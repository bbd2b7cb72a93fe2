#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QtTest>

#include "gui/aboutdialog.h"
#include "gui/application.h"
#include "gui/mainwindow.h"
#include "gui/uilanguage.h"
#include "gui/fontpickdialog.h"
#include "common/integertext.h"
#include "hantext.h"
#include "namelist/namelisttexts.h"
#include "sheets/spreadsheettexts.h"
#include "gui/changeipdialog.h"
#include "net/nettexts.h"
#include "net/updatetexts.h"
#include "netcfg/netcfgtexts.h"
#include "gui/networkdialog.h"
#include "support/fakedrives.h"
#include "support/scriptedprompt.h"
#include "support/tempworkdir.h"
#include "support/whenmodal.h"
#include "gui/idrangedialog.h"
#include "usb/usbtexts.h"

using namespace delvora;
using namespace delvora::test;

// The English interface: no Chinese left in what the operator reads, while the files keep
// their Chinese texts.
class TestEnglish : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { installLanguage(QStringLiteral("zh")); }
    void mainWindow();
    void dialogs();
    void messages();
    void textsOfEverySubsystem();
    void filesKeepTheirTexts();
    void textsFit_data();
    void textsFit();
};

void TestEnglish::initTestCase() {
    Application::prepareApplication();
    QVERIFY(installLanguage(QStringLiteral("en")));
    QCOMPARE(currentLanguage(), QStringLiteral("en"));
}

void TestEnglish::mainWindow() {
    TempWorkDir dir;
    dir.useFixedAddress();
    dir.installResource(QStringLiteral("red.jpg"));
    ScriptedPrompt prompt;
    MainWindow dlg;
    // Names from a list are the operator's data: they stay as typed.
    dlg.names().append({NameRecord{1, QStringLiteral("7"), QStringLiteral("外交部"),
                                   QStringLiteral("张三"), QStringLiteral("部长")}});
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    // The language menu names Chinese in Chinese, so that a Chinese operator finds it.
    const QStringList texts = readableTexts(&dlg, {QStringLiteral("actionLanguageZh")});
    QVERIFY(texts.size() > 60);
    QCOMPARE(withHan(texts), QStringList());
    QCOMPARE(dlg.face().actionLanguageZh->text(), QStringLiteral("中文"));
    QCOMPARE(dlg.face().openTable->text(), QStringLiteral("Open list…"));
    QCOMPARE(dlg.face().detectPlates->text(), QStringLiteral("Find plates"));
    QCOMPARE(dlg.face().networkUpdate->text(), QStringLiteral("Send to plates"));
    QCOMPARE(dlg.face().usbUpdate->text(), QStringLiteral("Export"));
    QCOMPARE(dlg.face().nameList->model()->headerData(3, Qt::Horizontal).toString(),
             QStringLiteral("Name"));
    QCOMPARE(prompt.texts(), QStringList());
}

void TestEnglish::dialogs() {
    TempWorkDir dir;
    AboutDialog about;
    ChangeIpDialog changeIp;
    IdRangeDialog idRange;
    NetworkDialog netSet(QString(), false, QString());
    FontPickDialog font(FontPick{QFont(), QColor(Qt::yellow)});
    for (QWidget *dialog :
         std::initializer_list<QWidget *>{&about, &changeIp, &idRange, &netSet, &font}) {
        const QStringList texts = readableTexts(dialog);
        QVERIFY2(!texts.isEmpty(), dialog->metaObject()->className());
        QCOMPARE(withHan(texts), QStringList());
    }
    QCOMPARE(changeIp.windowTitle(), QStringLiteral("Change plate address"));
    QCOMPARE(netSet.findChild<QCheckBox *>(QStringLiteral("fixedIp"))->text(),
             QStringLiteral("Use fixed IP"));
}

void TestEnglish::messages() {
    // Message boxes of commands run without what they need, as the operator would meet them.
    TempWorkDir dir;
    dir.installResource(QStringLiteral("red.jpg"));
    dir.write(QStringLiteral("list.xls"), "not a workbook");
    FakeDrives noDrives({});
    ScriptedPrompt prompt;
    MainWindow dlg; // no "settings.dat": the settings are missing
    dlg.face().detectPlates->click();
    dlg.face().networkUpdate->click();
    dlg.face().usbUpdate->click();
    dlg.face().makeIdFile->click();
    dlg.face().changeId->click();
    dlg.face().changeIp->click();
    dlg.face().actionFactoryReset->trigger();
    prompt.fileNames.enqueue(dir.file(QStringLiteral("list.xls")));
    dlg.face().openTable->click();
    QVERIFY(prompt.shown.size() >= 8);
    QCOMPARE(withHan(prompt.texts()), QStringList());
    QCOMPARE(prompt.lastFilter, QStringLiteral("Name lists (*.xls *.xlsx *.xlsm *.ods *.csv *.txt)|"
                                               "*.xls;*.xlsx;*.xlsm;*.ods;*.csv;*.txt|"
                                               "Excel 97-2003 workbook (*.xls)|*.xls||"));
    QCOMPARE(prompt.texts().constFirst(), QStringLiteral("The settings file is missing"));
}

void TestEnglish::textsOfEverySubsystem() {
    const QStringList texts = {
        texts::workbookFilter(),
        texts::openFailed(),
        texts::openError(),
        texts::notWorkbook(),
        texts::damagedContainer(),
        texts::noWorkbookStream(),
        texts::unsupportedVersion(),
        texts::encrypted(),
        texts::damagedWorkbook(),
        texts::noSheet(),
        texts::tooFewColumns(),
        texts::damagedSheet(),
        texts::notOpen(),
        texts::headingSeq(),
        texts::headingId(),
        texts::headingOrganisation(),
        texts::headingName(),
        texts::headingTitle(),
        texts::idEmpty(),
        texts::idOutOfRange(),
        texts::idDuplicate(3),
        texts::importList(),
        texts::addEntry(),
        texts::removeEntries(),
        texts::swapSeats(),
        texts::moveUp(),
        texts::moveDown(),
        texts::undo(),
        texts::redo(),
        texts::saveList(),
        texts::saveListAs(),
        texts::confirmRemove(2),
        texts::unsavedChanges(),
        texts::saveFailed(),
        texts::saveFilter(),
        texts::untitledList(),
        texts::overflowMark(0b101),
        texts::overflowQuestion(2),
        texts::notSpreadsheet(),
        texts::damagedArchive(),
        texts::missingPart(QStringLiteral("xl/workbook.xml")),
        texts::partTooLarge(QStringLiteral("content.xml")),
        texts::damagedPart(QStringLiteral("content.xml")),
        texts::xmlDeclarations(QStringLiteral("content.xml")),
        texts::xmlTooDeep(QStringLiteral("content.xml")),
        texts::xmlMalformed(QStringLiteral("content.xml"), QStringLiteral("unexpected end")),
        texts::badCellReference(QStringLiteral("A0")),
        texts::badCellValue(QStringLiteral("B2")),
        texts::badSharedString(QStringLiteral("C3")),
        texts::countMismatch(QStringLiteral("xl/sharedStrings.xml")),
        texts::tooManyRows(),
        texts::csvOpenQuote(4),
        texts::csvNul(4),
        texts::csvLongLine(4),
        texts::csvMixedEncoding(),
        texts::csvBadEncoding(),
        nettexts::selectPlateToChange(),
        nettexts::idRange(),
        nettexts::idChangeQuestion(QStringLiteral("12"), 13),
        nettexts::idChanged(),
        nettexts::idChangeFailed(),
        nettexts::idChangeTimedOut(),
        nettexts::addressChangeQuestion(),
        nettexts::selectPlatesToReset(),
        nettexts::resetQuestionHead(2),
        nettexts::resetQuestionTail(),
        nettexts::resetSent(),
        nettexts::noLocalAddress(),
        nettexts::columnName(),
        nettexts::columnState(),
        nettexts::stateOnline(),
        nettexts::stateOffline(),
        nettexts::stateUpdating(40),
        nettexts::stateUpdated(QStringLiteral("10:02")),
        nettexts::stateNotConnected(),
        nettexts::stateTransferFailed(),
        nettexts::stateNotListed(),
        nettexts::duplicateId(),
        updatetexts::noTexts(),
        updatetexts::selectedNotOnline(),
        updatetexts::cannotOpenFile(),
        updatetexts::connectTimeout(),
        updatetexts::transferFailed(),
        netcfgtexts::settingsMissing(),
        netcfgtexts::settingsUnreadable(),
        netcfgtexts::settingsNotSaved(),
        usbtexts::noTexts(),
        usbtexts::folderNotCreated(),
        usbtexts::picturesDone(),
        usbtexts::picturesNotSaved(3),
        usbtexts::idFileDone(),
        usbtexts::oldFilesNotDeleted(),
        usbtexts::ipFilesFormatError(),
        usbtexts::ipFilesFailed(),
        usbtexts::ipFilesDone(),
        notAnIntegerText()};
    QCOMPARE(withHan(texts), QStringList());
    QCOMPARE(nettexts::idChangeQuestion(QStringLiteral("12"), 13),
             QStringLiteral("Change ID 12 to 13?"));
    QCOMPARE(usbtexts::picturesNotSaved(3), QStringLiteral("3 pictures could not be saved!"));
    QCOMPARE(texts::overflowMark(0b101),
             QStringLiteral("Text of row 1, 3 does not fit on the plate"));
}

void TestEnglish::filesKeepTheirTexts() {
    // "dispError.txt" is read by other programs: its reasons stay as they always were.
    QCOMPARE(updatetexts::lineNotOnline(), QStringLiteral("桌牌不在线！"));
    QCOMPARE(updatetexts::lineConnectTimeout(), QStringLiteral("桌牌连接超时！"));
    QCOMPARE(updatetexts::lineTransferFailed(), QStringLiteral("更新过程出错！"));
}

void TestEnglish::textsFit_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QByteArray>("ini");
    for (const char *language : {"zh", "en"}) {
        QTest::addRow("%s 1024x600", language)
            << QString::fromLatin1(language) << QByteArray("[Resolution]\r\nH=1024\r\nV=600\r\n");
        QTest::addRow("%s 800x480", language)
            << QString::fromLatin1(language) << QByteArray("[Resolution]\r\nH=800\r\nV=480\r\n");
    }
}

void TestEnglish::textsFit() {
    // No button text is cut and no label runs into the control after it, in either language.
    QFETCH(QString, language);
    QFETCH(QByteArray, ini);
    QVERIFY(installLanguage(language));
    TempWorkDir dir;
    dir.useFixedAddress();
    dir.write(QStringLiteral("Settings.ini"), ini);
    ScriptedPrompt prompt;
    MainWindow dlg;
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QStringList cut;
    const QList<QWidget *> controls =
        dlg.face().client->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *w : controls) {
        if (auto *b = qobject_cast<QPushButton *>(w)) {
            if (b->fontMetrics().horizontalAdvance(b->text().remove(u'&')) + 4 > b->width())
                cut << b->text();
        } else if (auto *box = qobject_cast<QCheckBox *>(w)) {
            if (box->sizeHint().width() > box->width())
                cut << box->text();
        } else if (auto *l = qobject_cast<QLabel *>(w); l && !l->text().isEmpty()) {
            const QRect text(l->pos(), l->sizeHint());
            for (QWidget *other : controls)
                if (other != l && !qobject_cast<QGroupBox *>(other) &&
                    !qobject_cast<QLabel *>(other) && other->objectName() != u"previewFrame" &&
                    text.intersects(other->geometry()))
                    cut << l->text() + QStringLiteral(" over ") + other->objectName();
        }
    }
    QVERIFY(installLanguage(QStringLiteral("en")));
    QCOMPARE(cut, QStringList());
}

QTEST_MAIN(TestEnglish)
#include "test_english.moc"
