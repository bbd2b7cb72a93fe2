#pragma once

#include <QObject>

#include "gui/namelistfile.h"
#include "namelist/namerecord.h"

class QAction;
class QTreeView;
class QWidget;

namespace delvora {

class NameList;
class WorkbookReader;

// Editing the name list in its view: cells edited in place, the context menu and the keys of
// 添加, 删除, 交换座位, 上移, 下移, 撤销, 重做, 保存名单 and 另存为. It tells the window which
// entry the preview is to show: the current one, whenever it changes or is edited.
class NameListEditor : public QObject {
    Q_OBJECT
public:
    NameListEditor(QTreeView *view, NameList &list, WorkbookReader &reader, QWidget *window);

    NameListFile &file() { return m_file; }
    // 保存名单, so that a meeting can take its key while one is open.
    QAction *saveListAction() const { return m_saveList; }

    // 打开表格: after unsaved changes were offered for saving, the operator picks a list file and
    // its rows replace the list; the preview then shows the first entry.
    void openTable();
    // The same with the file already chosen (dropped on the window).
    void importFile(const QString &path);

    void addEntry();
    void removeEntries();
    void swapSeats();
    void moveEntries(int delta);
    // Asks for the current entry to be shown again (after commands that drew other entries).
    void showCurrent();

signals:
    void showEntry(const delvora::NameRecord &entry);

private:
    QAction *addAction(const char *name, const QString &text, const QKeySequence &key,
                       Qt::ShortcutContext context);
    void updateActions();

    void import(const QString &path);

    QTreeView *m_view;
    NameList &m_list;
    WorkbookReader &m_reader;
    QWidget *m_window;
    NameListFile m_file;
    QAction *m_swap = nullptr;
    QAction *m_remove = nullptr;
    QAction *m_up = nullptr;
    QAction *m_down = nullptr;
    QAction *m_saveList = nullptr;
};

} // namespace delvora
