#pragma once

#include <QImage>
#include <QJsonObject>
#include <QObject>
#include <QString>

#include "layout/platelayout.h"

class QAction;
class QMenu;
class QUndoCommand;
class QWidget;

namespace delvora {

class NameList;
class NameListFile;
class PlateDesign;

// The window's controls of the 文件 menu.
struct MeetingControls {
    QAction *newMeeting = nullptr;
    QAction *open = nullptr;
    QAction *save = nullptr;
    QAction *saveAs = nullptr;
    QMenu *recent = nullptr;
    QAction *saveList = nullptr; // 保存名单, which has Ctrl+S while no meeting is open
};

// The meeting the window shows: the name list, the layout and the background as one file.
// While no meeting is open the list is a file of its own as before (its title, its question);
// once one is opened, made or saved, the meeting names the window, marks unsaved changes of
// the list, the layout or the background with a *, and asks before they are dropped.
class MeetingFile : public QObject {
    Q_OBJECT
public:
    MeetingFile(NameList &list, NameListFile &listFile, PlateDesign &design,
                const MeetingControls &controls, QWidget *window);

    bool isOpen() const { return m_open; }
    // The meeting's file; empty while none is open or the meeting has none yet.
    QString path() const { return m_path; }
    bool isModified() const;

    // 新建会议: an empty list with the layout kept, after unsaved changes were offered.
    void newMeeting();
    // 打开会议: the operator picks a meeting file.
    void open();
    // Opens this meeting file (recent meetings, a dropped file, the command line), after unsaved
    // changes were offered. A file that cannot be read changes nothing.
    bool openPath(const QString &path);
    // 保存会议: to the meeting's file; a meeting without one (or none open) goes to saveAs.
    bool save();
    // 会议另存为.
    bool saveAs();
    // Before the window's contents are dropped: the meeting's question while a meeting is open,
    // the list's otherwise. True when the caller may go on.
    bool maybeSave();

signals:
    // A meeting was opened or made: the window shows its design and its first entry.
    void replaced();

private:
    bool load(const QString &path);
    bool writeTo(const QString &path);
    void setOpen(const QString &path);
    void markSaved();
    void onUndoIndexChanged();
    void updateTitle();
    void fillRecent();

    NameList &m_list;
    NameListFile &m_listFile;
    PlateDesign &m_design;
    MeetingControls m_controls;
    QWidget *m_window;
    QString m_baseTitle;

    bool m_open = false;
    QString m_path;
    QJsonObject m_roomPlan; // kept as read, written back unchanged

    // What was saved last: the undo step the list stood at (-1 when it can no longer be
    // reached), the command below it, and the design and list file of that moment.
    int m_savedIndex = 0;
    const QUndoCommand *m_savedCommand = nullptr;
    PlateLayout m_savedLayout;
    QSize m_savedSize;
    bool m_savedPicture = false;
    QImage m_savedBackground;
    QString m_savedListFile;
};

} // namespace delvora
