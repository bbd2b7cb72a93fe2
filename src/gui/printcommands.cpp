#include "gui/printcommands.h"

#include <QAction>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProgressDialog>
#include <QToolBar>

#include "gui/prompt.h"
#include "layout/layoutfiles.h"
#include "layout/platedesign.h"
#include "namelist/namelist.h"
#include "namelist/overflowmarks.h"
#include "printing/checksheet.h"
#include "printing/printtexts.h"
#include "printing/tablecards.h"

namespace delvora {

namespace {
QString settingsIni() {
    return QString::fromUtf16(kSettingsIni);
}

QString suggestedFile(PrintCommands::Document document) {
    return document == PrintCommands::Document::TableCards ? texts::tableCardsFile()
                                                           : texts::checkSheetFile();
}
} // namespace

PrintCommands::PrintCommands(NameList &names, OverflowMarks &marks, const PlateDesign &design,
                             QWidget *window)
    : QObject(window), m_names(names), m_marks(marks), m_design(design), m_window(window),
      m_options(PrintOptions::read(settingsIni())), m_plain(new QAction(tr("不打印背景"), this)) {
    m_plain->setObjectName(QStringLiteral("actionPlainBackground"));
    m_plain->setCheckable(true);
    connect(&m_export, &PdfExport::progress, this, [this](int done, int total) {
        if (m_progress) {
            m_progress->setMaximum(total);
            m_progress->setValue(done);
        }
    });
    connect(&m_export, &PdfExport::finished, this, &PrintCommands::exportFinished);
}

PrintCommands::~PrintCommands() = default;

std::shared_ptr<PrintPages> PrintCommands::makePages(Document document) {
    if (m_names.count() == 0) {
        Prompt::warning(m_window, texts::nothingToPrint());
        return nullptr;
    }
    const PrintLook look =
        PrintLook::of(m_design.layout(), m_design.canvas().m_background, m_plain->isChecked());
    if (document == Document::CheckSheet) {
        m_marks.markedCount(); // a check still pending is done first
        return std::make_shared<CheckSheet>(look, checkEntries(m_names), m_options.margin);
    }
    QList<int> rows = m_names.selectedRows();
    if (rows.isEmpty())
        for (int i = 0; i < m_names.count(); ++i)
            rows << i;
    QList<PlateTexts> cards;
    for (int row : rows)
        cards << m_names.at(row).texts();
    return std::make_shared<TableCards>(look, cards, m_options.margin);
}

void PrintCommands::preview(Document document) {
    if (!makePages(document))
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(m_options.pageLayout());
    // The documents keep their own margins and lay out the whole sheet.
    printer.setFullPage(true);
    printer.setDocName(QFileInfo(suggestedFile(document)).completeBaseName());
    QPrintPreviewDialog dialog(&printer, m_window);
    dialog.setObjectName(QStringLiteral("printPreview"));
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this, document](QPrinter *p) {
        if (const auto pages = makePages(document))
            printPages(*pages, *p);
    });
    bool exportAfter = false;
    extendPreview(dialog, exportAfter);
    dialog.resize(m_window->size());
    dialog.exec();
    m_options.takePaper(printer.pageLayout());
    rememberOptions();
    if (exportAfter)
        exportPdf(document);
}

void PrintCommands::extendPreview(QPrintPreviewDialog &dialog, bool &exportAfter) {
    auto *bar = dialog.findChild<QToolBar *>();
    auto *view = dialog.findChild<QPrintPreviewWidget *>();
    if (!bar || !view)
        return;
    bar->addSeparator();
    auto *label = new QLabel(tr("边距："), bar);
    auto *margin = new QDoubleSpinBox(bar);
    margin->setObjectName(QStringLiteral("printMargin"));
    margin->setAccessibleName(tr("边距"));
    margin->setRange(0, PrintOptions::kMaxMargin);
    margin->setDecimals(0);
    margin->setSuffix(QStringLiteral(" mm"));
    margin->setValue(m_options.margin);
    label->setBuddy(margin);
    bar->addWidget(label);
    bar->addWidget(margin);
    connect(margin, &QDoubleSpinBox::valueChanged, view, [this, view](double value) {
        m_options.margin = value;
        view->updatePreview();
    });
    bar->addAction(m_plain);
    connect(m_plain, &QAction::toggled, view, &QPrintPreviewWidget::updatePreview);
    QAction *toPdf = bar->addAction(tr("导出PDF…"));
    toPdf->setObjectName(QStringLiteral("actionPreviewPdf"));
    connect(toPdf, &QAction::triggered, &dialog, [&dialog, &exportAfter] {
        exportAfter = true;
        dialog.reject();
    });
}

void PrintCommands::rememberOptions() {
    m_options.write(settingsIni());
}

void PrintCommands::exportPdf(Document document) {
    if (m_export.isRunning())
        return;
    const auto pages = makePages(document);
    if (!pages)
        return;
    int type = 0;
    QString path = Prompt::instance().saveFileName(
        m_window, texts::pdfFilter(), QDir::current().filePath(suggestedFile(document)), &type);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    const QPageLayout layout = m_options.pageLayout();
    m_progress = new QProgressDialog(tr("正在导出PDF…"), tr("取消"), 0,
                                     pages->pageCount(paperMm(layout)), m_window);
    m_progress->setObjectName(QStringLiteral("pdfProgress"));
    m_progress->setWindowModality(Qt::NonModal); // the window stays usable meanwhile
    m_progress->setAutoClose(false);
    m_progress->setAutoReset(false);
    m_progress->setMinimumDuration(500);
    connect(m_progress, &QProgressDialog::canceled, &m_export, &PdfExport::cancel);
    m_export.start(pages, layout, path);
}

void PrintCommands::exportFinished(PdfOutcome outcome, const QString &path) {
    if (m_progress) {
        m_progress->disconnect(&m_export);
        m_progress->deleteLater();
        m_progress = nullptr;
    }
    if (outcome == PdfOutcome::CannotWrite)
        Prompt::warning(m_window, texts::cannotWritePdf(QDir::toNativeSeparators(path)));
}

} // namespace delvora
