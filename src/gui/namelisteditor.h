#pragma once

#include <QObject>

#include "gui/namelistfile.h"
#include "namelist/namerecord.h"

class QAction;
class QTreeView;
class QWidget;

namespace delvora {

class NameList;

// Editing the name list in its view: cells edited in place, the context menu and the keys of
// 添加, 删除, 交换座位, 上移, 下移, 撤销, 重做, 保存名单 and 另存为. It tells the window which
// entry the preview is to show: the current one, whenever it changes or is edited.
class NameListEditor : public QObject {
    Q_OBJECT
public:
    NameListEditor(QTreeView *view, NameList &list, QWidget *window);

    NameListFile &file() { return m_file; }

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

    QTreeView *m_view;
    NameList &m_list;
    QWidget *m_window;
    NameListFile m_file;
    QAction *m_swap = nullptr;
    QAction *m_remove = nullptr;
    QAction *m_up = nullptr;
    QAction *m_down = nullptr;
};

} // namespace delvora
