#pragma once

#include <QObject>
#include <memory>

#include "printing/pdfexport.h"
#include "printing/printoptions.h"

class QAction;
class QPrintPreviewDialog;
class QPrinter;
class QProgressDialog;
class QWidget;

namespace delvora {

class NameList;
class OverflowMarks;
class PlateDesign;
class PrintPages;

// What the 打印 submenu does: table cards (every entry, or the selected ones) and the check
// sheet, through the print preview, from which the operator prints or saves a PDF, or straight
// into a PDF beside the window with progress and 取消. Printing reads the list and the design and
// changes neither; it remembers only the paper and the margin.
class PrintCommands : public QObject {
    Q_OBJECT
public:
    enum class Document { TableCards, CheckSheet };

    PrintCommands(NameList &names, OverflowMarks &marks, const PlateDesign &design,
                  QWidget *window);
    ~PrintCommands() override;

    void preview(Document document);
    void exportPdf(Document document);

    // 不打印背景: white paper, a check item of the submenu and of the preview.
    QAction *plainAction() const { return m_plain; }
    const PdfExport &pdfExport() const { return m_export; }

private:
    // The pages of a document as the list and design are now; null, after the message, when
    // the list is empty.
    std::shared_ptr<PrintPages> makePages(Document document);
    // The preview's own controls: the margin, 不打印背景 and 导出PDF….
    void extendPreview(QPrintPreviewDialog &dialog, bool &exportAfter);
    void rememberOptions();
    void exportFinished(PdfOutcome outcome, const QString &path);

    NameList &m_names;
    OverflowMarks &m_marks;
    const PlateDesign &m_design;
    QWidget *m_window;
    PrintOptions m_options;
    QAction *m_plain;
    PdfExport m_export;
    QProgressDialog *m_progress = nullptr;
};

} // namespace delvora
