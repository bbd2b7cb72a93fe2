#include "gui/namelistfile.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

#include "gui/prompt.h"
#include "namelist/namelist.h"
#include "namelist/namelisttexts.h"
#include "namelist/namelistwriter.h"

namespace delvora {

namespace {

bool isWritable(const QString &path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == u"xlsx" || suffix == u"csv";
}

} // namespace

NameListFile::NameListFile(NameList &list, QWidget *window)
    : QObject(window), m_list(list), m_window(window), m_baseTitle(window->windowTitle()) {
    connect(list.undoStack(), &QUndoStack::cleanChanged, this, &NameListFile::updateTitle);
    connect(&list, &NameList::filePathChanged, this, &NameListFile::updateTitle);
}

bool NameListFile::save() {
    const QString path = m_list.filePath();
    return m_written.contains(path) ? writeTo(path) : saveAs();
}

bool NameListFile::saveAs() {
    // A list read from an older format is offered as .xlsx beside it.
    const QString current = m_list.filePath();
    QString suggested = QDir::current().filePath(texts::untitledList());
    if (!current.isEmpty()) {
        const QFileInfo info(current);
        suggested = isWritable(current)
                        ? current
                        : info.dir().filePath(info.completeBaseName() + QStringLiteral(".xlsx"));
    }
    int filterIndex = NameListWriter::formatOf(suggested) == NameListWriter::Format::Csv ? 1 : 0;
    QString path =
        Prompt::instance().saveFileName(m_window, texts::saveFilter(), suggested, &filterIndex);
    if (path.isEmpty())
        return false;
    // The chosen file type decides the format; the name gets its suffix.
    const QString suffix = filterIndex == 1 ? QStringLiteral(".csv") : QStringLiteral(".xlsx");
    if (!path.endsWith(suffix, Qt::CaseInsensitive))
        path += suffix;
    return writeTo(path);
}

bool NameListFile::writeTo(const QString &path) {
    const QString error =
        NameListWriter::write(path, m_list.entries(), NameListWriter::formatOf(path));
    if (!error.isEmpty()) {
        Prompt::stop(m_window, texts::saveFailed() + error);
        return false;
    }
    m_written.insert(path);
    m_list.setFilePath(path);
    m_list.undoStack()->setClean();
    updateTitle();
    return true;
}

bool NameListFile::maybeSave() {
    if (m_held || m_list.undoStack()->isClean())
        return true;
    return Prompt::offerToSave(m_window, texts::unsavedChanges(), [this] { return save(); });
}

void NameListFile::setHeldByMeeting(bool held) {
    m_held = held;
    updateTitle();
}

void NameListFile::updateTitle() {
    if (m_held)
        return;
    const QString name = QFileInfo(m_list.filePath()).fileName();
    const bool modified = !m_list.undoStack()->isClean();
    const QString mark = modified ? QStringLiteral("*") : QString();
    m_window->setWindowTitle(name.isEmpty() ? m_baseTitle + mark
                                            : name + mark + QStringLiteral(" - ") + m_baseTitle);
}

} // namespace delvora
