#include "gui/meetingfile.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QUndoStack>
#include <QWidget>

#include "gui/namelistfile.h"
#include "gui/prompt.h"
#include "layout/layoutfiles.h"
#include "layout/platedesign.h"
#include "meeting/meetingreader.h"
#include "meeting/meetingtexts.h"
#include "meeting/meetingwriter.h"
#include "meeting/recentmeetings.h"
#include "namelist/namelist.h"

namespace delvora {

namespace {

QString profile() {
    return QString::fromUtf16(kSettingsIni);
}

bool sameImage(const QImage &a, const QImage &b) {
    return a.cacheKey() == b.cacheKey() || a == b;
}

} // namespace

MeetingFile::MeetingFile(NameList &list, NameListFile &listFile, PlateDesign &design,
                         const MeetingControls &controls, QWidget *window)
    : QObject(window), m_list(list), m_listFile(listFile), m_design(design), m_controls(controls),
      m_window(window), m_baseTitle(window->windowTitle()) {
    connect(m_controls.newMeeting, &QAction::triggered, this, &MeetingFile::newMeeting);
    connect(m_controls.open, &QAction::triggered, this, &MeetingFile::open);
    connect(m_controls.save, &QAction::triggered, this, &MeetingFile::save);
    connect(m_controls.saveAs, &QAction::triggered, this, &MeetingFile::saveAs);
    // Files may have gone since the menu was last shown.
    connect(m_controls.recent, &QMenu::aboutToShow, this, &MeetingFile::fillRecent);
    m_controls.recent->setToolTipsVisible(true);

    connect(list.undoStack(), &QUndoStack::indexChanged, this, &MeetingFile::onUndoIndexChanged);
    connect(&list, &NameList::filePathChanged, this, &MeetingFile::updateTitle);
    connect(&design, &PlateDesign::changed, this, &MeetingFile::updateTitle);
    fillRecent();
}

bool MeetingFile::isModified() const {
    if (!m_open)
        return false;
    return m_savedIndex != m_list.undoStack()->index() || m_list.filePath() != m_savedListFile ||
           !(m_design.layout() == m_savedLayout) || m_design.plateSize() != m_savedSize ||
           m_design.hasPicture() != m_savedPicture ||
           !sameImage(m_design.canvas().m_background, m_savedBackground);
}

void MeetingFile::newMeeting() {
    if (!maybeSave())
        return;
    m_roomPlan = {};
    setOpen({});
    m_list.replaceEntries({});
    m_list.setFilePath({});
    m_list.undoStack()->clear();
    markSaved();
    emit replaced();
}

void MeetingFile::open() {
    if (!maybeSave())
        return;
    const QString path = Prompt::instance().openFileName(m_window, texts::meetingFilter());
    if (!path.isEmpty())
        load(path);
}

bool MeetingFile::openPath(const QString &path) {
    return maybeSave() && load(path);
}

bool MeetingFile::load(const QString &path) {
    const MeetingReadResult read = readMeeting(path);
    if (!read.ok()) {
        Prompt::warning(m_window, read.error);
        return false;
    }
    const MeetingDocument &meeting = *read.document;
    m_roomPlan = meeting.roomPlan;
    setOpen(QFileInfo(path).absoluteFilePath());
    // Not an edit: the list is replaced and its history starts anew.
    m_list.replaceEntries(meeting.entries);
    m_list.setFilePath(meeting.listFile);
    m_list.undoStack()->clear();
    meeting.giveDesign(m_design);
    // The layout files follow, as after any layout change.
    writeLayout(meeting.layout, m_design.plateSize());
    markSaved();
    RecentMeetings::add(profile(), m_path);
    fillRecent();
    emit replaced();
    return true;
}

bool MeetingFile::save() {
    return m_open && !m_path.isEmpty() ? writeTo(m_path) : saveAs();
}

bool MeetingFile::saveAs() {
    const QString name =
        m_path.isEmpty() ? texts::untitledMeeting() + QStringLiteral(".delvora") : m_path;
    int filterIndex = 0;
    QString path = Prompt::instance().saveFileName(m_window, texts::meetingFilter(),
                                                   QDir::current().filePath(name), &filterIndex);
    if (path.isEmpty())
        return false;
    if (!path.endsWith(QStringLiteral(".delvora"), Qt::CaseInsensitive))
        path += QStringLiteral(".delvora");
    return writeTo(path);
}

bool MeetingFile::writeTo(const QString &path) {
    MeetingDocument meeting;
    meeting.entries = m_list.entries();
    meeting.listFile = m_list.filePath();
    meeting.takeDesign(m_design);
    meeting.roomPlan = m_roomPlan;
    const QString error = writeMeeting(path, meeting);
    if (!error.isEmpty()) {
        Prompt::stop(m_window, error);
        return false;
    }
    setOpen(QFileInfo(path).absoluteFilePath());
    markSaved();
    RecentMeetings::add(profile(), m_path);
    fillRecent();
    return true;
}

bool MeetingFile::maybeSave() {
    if (!m_open)
        return m_listFile.maybeSave();
    if (!isModified())
        return true;
    return Prompt::offerToSave(m_window, texts::unsavedMeeting(), [this] { return save(); });
}

void MeetingFile::setOpen(const QString &path) {
    m_path = path;
    if (!m_open) {
        m_open = true;
        // The meeting takes over the title, the question and Ctrl+S from the list.
        m_listFile.setHeldByMeeting(true);
        m_controls.saveList->setShortcut({});
        m_controls.save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    }
}

void MeetingFile::markSaved() {
    const QUndoStack *undo = m_list.undoStack();
    m_savedIndex = undo->index();
    m_savedCommand = m_savedIndex > 0 ? undo->command(m_savedIndex - 1) : nullptr;
    m_savedLayout = m_design.layout();
    m_savedSize = m_design.plateSize();
    m_savedPicture = m_design.hasPicture();
    m_savedBackground = m_design.canvas().m_background;
    m_savedListFile = m_list.filePath();
    updateTitle();
}

void MeetingFile::onUndoIndexChanged() {
    // A new edit after undoing deletes the commands above it: once the saved step is gone,
    // no undoing or redoing leads back to it.
    const QUndoStack *undo = m_list.undoStack();
    if (m_savedIndex > 0 &&
        (m_savedIndex > undo->count() || undo->command(m_savedIndex - 1) != m_savedCommand))
        m_savedIndex = -1;
    updateTitle();
}

void MeetingFile::updateTitle() {
    if (!m_open)
        return;
    const QString name =
        m_path.isEmpty() ? texts::untitledMeeting() : QFileInfo(m_path).completeBaseName();
    const QString mark = isModified() ? QStringLiteral("*") : QString();
    m_window->setWindowTitle(name + mark + QStringLiteral(" - ") + m_baseTitle);
}

void MeetingFile::fillRecent() {
    QMenu *menu = m_controls.recent;
    // One of these actions may be the one whose command is running.
    for (QAction *old : menu->actions()) {
        menu->removeAction(old);
        old->deleteLater();
    }
    const QStringList paths = RecentMeetings::read(profile());
    for (int i = 0; i < paths.size(); ++i) {
        const QString &path = paths[i];
        QAction *action =
            menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        action->setObjectName(QStringLiteral("actionRecentMeeting%1").arg(i + 1));
        const bool exists = QFileInfo(path).isFile();
        action->setEnabled(exists);
        action->setToolTip(exists ? QDir::toNativeSeparators(path)
                                  : texts::recentMeetingMissing(path));
        connect(action, &QAction::triggered, this, [this, path] { openPath(path); });
    }
    menu->menuAction()->setEnabled(!paths.isEmpty());
}

} // namespace delvora
