#pragma once

#include <QList>
#include <QObject>
#include <QSet>
#include <QString>

#include "namelist/namerecord.h"

class QWidget;

namespace delvora {

class NameList;

// The name list as a file of the operator's: saving it, asking before unsaved changes are
// dropped, and the window title that names the file and marks unsaved changes with a *.
class NameListFile : public QObject {
    Q_OBJECT
public:
    NameListFile(NameList &list, QWidget *window);

    // 保存名单: writes to the file the list was last saved to; any other list (new, or read from
    // a workbook that may hold more than the list) goes through saveAs. False when cancelled
    // or failed.
    bool save();
    // 另存为: the operator picks the name and the file type.
    bool saveAs();
    // Before the list is dropped: "名单已修改，是否保存？" when there are unsaved changes.
    // True when the caller may go on.
    bool maybeSave();
    // While a meeting holds the list, the meeting names the window and asks about unsaved
    // changes: the list's own title and question rest.
    void setHeldByMeeting(bool held);

private:
    bool writeTo(const QString &path);
    void updateTitle();

    NameList &m_list;
    QWidget *m_window;
    QString m_baseTitle;
    QSet<QString> m_written; // files this program wrote, which it may replace without asking
    bool m_held = false;
};

} // namespace delvora
