#include "printing/pdfexport.h"

#include <QCoreApplication>
#include <QPdfWriter>
#include <QSaveFile>
#include <QThread>

namespace delvora {

PdfOutcome writePdf(const PrintPages &pages, const QPageLayout &layout, const QString &path,
                    const PageProgress &progress) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return PdfOutcome::CannotWrite;
    bool stopped = false;
    {
        QPdfWriter writer(&file);
        writer.setCreator(QCoreApplication::applicationName());
        writer.setPageLayout(layout);
        const bool painted = printPages(pages, writer, [&](int done, int total) {
            stopped = progress && !progress(done, total);
            return !stopped;
        });
        if (!painted && !stopped) {
            file.cancelWriting();
            return PdfOutcome::CannotWrite;
        }
    } // the writer finishes the file here
    if (stopped) {
        file.cancelWriting();
        return PdfOutcome::Cancelled;
    }
    return file.commit() ? PdfOutcome::Written : PdfOutcome::CannotWrite;
}

PdfExport::PdfExport(QObject *parent) : QObject(parent) {}

PdfExport::~PdfExport() {
    if (m_worker) {
        m_worker->requestInterruption();
        m_worker->wait();
        delete m_worker;
    }
}

bool PdfExport::start(std::shared_ptr<const PrintPages> pages, const QPageLayout &layout,
                      const QString &path) {
    if (m_worker)
        return false;
    m_worker = QThread::create([this, pages = std::move(pages), layout, path] {
        QThread *thread = QThread::currentThread();
        const PdfOutcome outcome = writePdf(*pages, layout, path, [&](int done, int total) {
            QMetaObject::invokeMethod(
                this, [this, done, total] { emit progress(done, total); }, Qt::QueuedConnection);
            return !thread->isInterruptionRequested();
        });
        QMetaObject::invokeMethod(
            this,
            [this, outcome, path] {
                m_worker->wait();
                delete std::exchange(m_worker, nullptr);
                emit finished(outcome, path);
            },
            Qt::QueuedConnection);
    });
    m_worker->start();
    return true;
}

void PdfExport::cancel() {
    if (m_worker)
        m_worker->requestInterruption();
}

} // namespace delvora
