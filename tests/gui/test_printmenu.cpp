#include <QDoubleSpinBox>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "gui/application.h"
#include "gui/mainwindow.h"
#include "gui/printcommands.h"
#include "layout/profile.h"
#include "printing/pdfexport.h"
#include "printing/printtexts.h"
#include "support/scriptedprompt.h"
#include "support/tempworkdir.h"
#include "support/whenmodal.h"

using namespace delvora;
using namespace delvora::test;

Q_DECLARE_METATYPE(delvora::PdfOutcome)

namespace {

QList<NameRecord> entries() {
    return {{1, QStringLiteral("11"), QStringLiteral("单位甲"), QStringLiteral("张伟"),
             QStringLiteral("主任")},
            {2, QStringLiteral("12"), QStringLiteral("单位乙"), QStringLiteral("李娜"),
             QStringLiteral("处长")},
            {3, QStringLiteral("13"), QStringLiteral("单位丙"), QStringLiteral("王芳"),
             QStringLiteral("科长")}};
}

int pdfPages(const QString &path) {
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    info.waitForFinished();
    const QString out = QString::fromUtf8(info.readAllStandardOutput());
    for (const QString &line : out.split(u'\n'))
        if (line.startsWith(QStringLiteral("Pages:")))
            return line.mid(6).trimmed().toInt();
    return -1;
}

} // namespace

class TestPrintMenu : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        qRegisterMetaType<delvora::PdfOutcome>();
        Application::prepareApplication();
    }
    void init();
    void cleanup();
    void fileMenuBeforeSettings();
    void nothingToPrint();
    void exportsWhatIsChosen();
    void unwritablePath();
    void cancelledFromTheProgressBox();
    void previewAndRememberedMargin();

private:
    QAction *action(const char *name) {
        return m_dlg->findChild<QAction *>(QString::fromLatin1(name));
    }
    const PdfExport &pdfExport() { return m_dlg->findChild<PrintCommands *>()->pdfExport(); }
    // Triggers an export to `path` and waits until it is done.
    PdfOutcome exportTo(const char *actionName, const QString &path);

    std::unique_ptr<TempWorkDir> m_dir;
    std::unique_ptr<ScriptedPrompt> m_prompt;
    std::unique_ptr<MainWindow> m_dlg;
};

void TestPrintMenu::init() {
    m_dir = std::make_unique<TempWorkDir>();
    m_dir->useFixedAddress();
    m_dir->installResource(QStringLiteral("red.jpg"));
    m_dir->installResource(QStringLiteral("fontSetting.dat"));
    m_dir->installResource(QStringLiteral("Settings.ini"));
    m_prompt = std::make_unique<ScriptedPrompt>();
    m_dlg = std::make_unique<MainWindow>();
}

void TestPrintMenu::cleanup() {
    m_dlg.reset();
    m_prompt.reset();
    m_dir.reset();
}

PdfOutcome TestPrintMenu::exportTo(const char *actionName, const QString &path) {
    QSignalSpy finished(&pdfExport(), &PdfExport::finished);
    m_prompt->saveNames.enqueue({path, 0});
    action(actionName)->trigger();
    if (!finished.wait(60000))
        return PdfOutcome::Cancelled;
    return finished.at(0).at(0).value<PdfOutcome>();
}

void TestPrintMenu::fileMenuBeforeSettings() {
    const QList<QAction *> menus = m_dlg->face().menuBar->actions();
    QVERIFY(menus.size() >= 3);
    QCOMPARE(menus[0]->menu()->objectName(), QStringLiteral("menuFile"));
    QCOMPARE(menus[1]->menu()->objectName(), QStringLiteral("menuSettings"));
    auto *print = m_dlg->findChild<QMenu *>(QStringLiteral("menuPrint"));
    QVERIFY(print);
    QStringList names;
    for (QAction *a : print->actions())
        if (!a->isSeparator())
            names << a->objectName();
    QCOMPARE(names, (QStringList{QStringLiteral("actionPrintCards"),
                                 QStringLiteral("actionPrintCheckSheet"),
                                 QStringLiteral("actionExportCardsPdf"),
                                 QStringLiteral("actionExportCheckSheetPdf"),
                                 QStringLiteral("actionPlainBackground")}));
}

void TestPrintMenu::nothingToPrint() {
    for (const char *name : {"actionPrintCards", "actionPrintCheckSheet", "actionExportCardsPdf",
                             "actionExportCheckSheetPdf"}) {
        m_prompt->clear();
        action(name)->trigger();
        QCOMPARE(m_prompt->texts(), QStringList{texts::nothingToPrint()});
    }
    QVERIFY(QDir(m_dir->path()).entryList({QStringLiteral("*.pdf")}).isEmpty());
}

void TestPrintMenu::exportsWhatIsChosen() {
    const QByteArray settings = m_dir->read(QStringLiteral("Settings.ini"));
    NameList &names = m_dlg->names();
    names.append(entries());
    names.selectionModel()->clearSelection();

    // Nothing selected: a card for every entry.
    const QString all = m_dir->file(QStringLiteral("all.pdf"));
    QCOMPARE(exportTo("actionExportCardsPdf", all), PdfOutcome::Written);
    QCOMPARE(pdfPages(all), 3);

    // Two selected: their cards only.
    names.selectionModel()->select(names.index(0, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    names.selectionModel()->select(names.index(2, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    const QString chosen = m_dir->file(QStringLiteral("chosen"));
    QCOMPARE(exportTo("actionExportCardsPdf", chosen), PdfOutcome::Written);
    QCOMPARE(pdfPages(chosen + QStringLiteral(".pdf")), 2);

    // The check sheet shows every entry, whatever is selected.
    const QString check = m_dir->file(QStringLiteral("check.pdf"));
    QCOMPARE(exportTo("actionExportCheckSheetPdf", check), PdfOutcome::Written);
    QCOMPARE(pdfPages(check), 1);

    QVERIFY(m_prompt->shown.isEmpty());
    // Printing changed neither the list nor the layout's file.
    QCOMPARE(names.entries(), entries());
    QCOMPARE(m_dir->read(QStringLiteral("Settings.ini")), settings);
}

void TestPrintMenu::unwritablePath() {
    m_dlg->names().append(entries());
    m_dir->write(QStringLiteral("plain.txt"), "text");
    const QString path = m_dir->file(QStringLiteral("plain.txt/cards.pdf"));
    QCOMPARE(exportTo("actionExportCardsPdf", path), PdfOutcome::CannotWrite);
    QCOMPARE(m_prompt->texts(), QStringList{texts::cannotWritePdf(QDir::toNativeSeparators(path))});
    QVERIFY(m_prompt->texts().constFirst().contains(QDir::toNativeSeparators(path)));
    QCOMPARE(m_dir->read(QStringLiteral("plain.txt")), QByteArray("text"));
    QVERIFY(QDir(m_dir->path()).entryList({QStringLiteral("*.pdf*")}).isEmpty());
}

void TestPrintMenu::cancelledFromTheProgressBox() {
    QList<NameRecord> many;
    for (int i = 0; i < 2000; ++i)
        many.append({i + 1, QString::number(i), QStringLiteral("单位"),
                     QStringLiteral("姓名%1").arg(i), QStringLiteral("职位")});
    m_dlg->names().append(many);
    bool modal = true;
    // The window stays usable while the pages are drawn; 取消 in the progress box stops them.
    connect(&pdfExport(), &PdfExport::progress, this, [this, &modal](int done) {
        if (done != 1)
            return;
        modal = QApplication::activeModalWidget() != nullptr;
        if (auto *box = m_dlg->findChild<QProgressDialog *>(QStringLiteral("pdfProgress")))
            box->findChild<QPushButton *>()->click();
    });
    const QString path = m_dir->file(QStringLiteral("many.pdf"));
    QCOMPARE(exportTo("actionExportCardsPdf", path), PdfOutcome::Cancelled);
    QVERIFY(!modal);
    QVERIFY(QDir(m_dir->path()).entryList({QStringLiteral("*.pdf*")}).isEmpty());
    QVERIFY(m_prompt->shown.isEmpty());
    QTRY_VERIFY(!m_dlg->findChild<QProgressDialog *>(QStringLiteral("pdfProgress")));
}

void TestPrintMenu::previewAndRememberedMargin() {
    const QString ini = QStringLiteral("./Settings.ini");
    m_dlg->names().append(entries());
    int pages = -1;
    whenModal<QPrintPreviewDialog>([&pages](QPrintPreviewDialog *dialog) {
        auto *view = dialog->findChild<QPrintPreviewWidget *>();
        pages = view ? view->pageCount() : -2;
        if (auto *margin = dialog->findChild<QDoubleSpinBox *>(QStringLiteral("printMargin")))
            margin->setValue(15);
        dialog->reject();
    });
    action("actionPrintCards")->trigger();
    QCOMPARE(pages, 3);
    QCOMPARE(Profile::readString(ini, QStringLiteral("Print"), QStringLiteral("margin")),
             QStringLiteral("15"));
    // Paper and orientation were left as they were: not written.
    QVERIFY(Profile::readString(ini, QStringLiteral("Print"), QStringLiteral("paper")).isNull());

    // 导出PDF… from the preview writes what it showed.
    whenModal<QPrintPreviewDialog>([](QPrintPreviewDialog *dialog) {
        dialog->findChild<QAction *>(QStringLiteral("actionPreviewPdf"))->trigger();
    });
    QSignalSpy finished(&pdfExport(), &PdfExport::finished);
    const QString path = m_dir->file(QStringLiteral("sheet.pdf"));
    m_prompt->saveNames.enqueue({path, 0});
    action("actionPrintCheckSheet")->trigger();
    QVERIFY(finished.wait(60000));
    QCOMPARE(finished.at(0).at(0).value<PdfOutcome>(), PdfOutcome::Written);
    QCOMPARE(pdfPages(path), 1);
}

QTEST_MAIN(TestPrintMenu)
#include "test_printmenu.moc"
