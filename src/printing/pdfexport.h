#pragma once

#include <QObject>
#include <QPageLayout>
#include <QString>
#include <memory>

#include "printing/printpages.h"

class QThread;

namespace delvora {

// How writing a PDF ended.
enum class PdfOutcome { Written, Cancelled, CannotWrite };

// Writes `pages` as a PDF on paper of `layout` to `path`, through a temporary file that
// replaces `path` only when every page is written: a PDF that cannot be written or is stopped
// leaves no file (and an older file at `path` as it was).
PdfOutcome writePdf(const PrintPages &pages, const QPageLayout &layout, const QString &path,
                    const PageProgress &progress = {});

// 导出PDF… beside the window: the pages are painted on a worker thread with their own painter,
// the owner hears the progress and the outcome. One export at a time; deleting it stops the
// export and waits for the worker.
class PdfExport : public QObject {
    Q_OBJECT
public:
    explicit PdfExport(QObject *parent = nullptr);
    ~PdfExport() override;

    bool isRunning() const { return m_worker != nullptr; }
    // Starts writing; false when an export is running already.
    bool start(std::shared_ptr<const PrintPages> pages, const QPageLayout &layout,
               const QString &path);
    // Stops after the page being painted; `finished` then says Cancelled and no file is left.
    void cancel();

signals:
    void progress(int done, int total);
    void finished(delvora::PdfOutcome outcome, const QString &path);

private:
    QThread *m_worker = nullptr;
};

} // namespace delvora
