#include "gui/namelisteditor.h"

#include <QAction>
#include <QTreeView>

#include "gui/prompt.h"
#include "namelist/namelist.h"
#include "namelist/namelistimport.h"
#include "namelist/namelisttexts.h"

namespace delvora {

NameListEditor::NameListEditor(QTreeView *view, NameList &list, WorkbookReader &reader,
                               QWidget *window)
    : QObject(window), m_view(view), m_list(list), m_reader(reader), m_window(window),
      m_file(list, window) {
    view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed);
    view->setContextMenuPolicy(Qt::ActionsContextMenu);

    // Keys that act on the list work while it has the focus; undo, redo and save anywhere in
    // the window, except where an edit field keeps them for itself.
    constexpr auto inList = Qt::WidgetWithChildrenShortcut;
    connect(addAction("actionAddEntry", texts::addEntry(), Qt::Key_Insert, inList),
            &QAction::triggered, this, &NameListEditor::addEntry);
    m_remove = addAction("actionRemoveEntries", texts::removeEntries(), Qt::Key_Delete, inList);
    connect(m_remove, &QAction::triggered, this, &NameListEditor::removeEntries);
    m_swap = addAction("actionSwapSeats", texts::swapSeats(), Qt::CTRL | Qt::Key_W, inList);
    connect(m_swap, &QAction::triggered, this, &NameListEditor::swapSeats);
    m_up = addAction("actionMoveUp", texts::moveUp(), Qt::CTRL | Qt::Key_Up, inList);
    connect(m_up, &QAction::triggered, this, [this] { moveEntries(-1); });
    m_down = addAction("actionMoveDown", texts::moveDown(), Qt::CTRL | Qt::Key_Down, inList);
    connect(m_down, &QAction::triggered, this, [this] { moveEntries(1); });

    auto *separator = new QAction(this);
    separator->setSeparator(true);
    view->addAction(separator);
    QAction *undo = list.undoStack()->createUndoAction(this, texts::undo());
    undo->setObjectName(QStringLiteral("actionUndo"));
    undo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z)});
    QAction *redo = list.undoStack()->createRedoAction(this, texts::redo());
    redo->setObjectName(QStringLiteral("actionRedo"));
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    for (QAction *action : {undo, redo}) {
        action->setShortcutContext(Qt::WindowShortcut);
        view->addAction(action);
    }

    auto *separator2 = new QAction(this);
    separator2->setSeparator(true);
    view->addAction(separator2);
    m_saveList =
        addAction("actionSaveList", texts::saveList(), Qt::CTRL | Qt::Key_S, Qt::WindowShortcut);
    connect(m_saveList, &QAction::triggered, &m_file, &NameListFile::save);
    connect(addAction("actionSaveListAs", texts::saveListAs(), Qt::CTRL | Qt::SHIFT | Qt::Key_S,
                      Qt::WindowShortcut),
            &QAction::triggered, &m_file, &NameListFile::saveAs);

    QItemSelectionModel *selection = list.selectionModel();
    connect(selection, &QItemSelectionModel::selectionChanged, this,
            &NameListEditor::updateActions);
    connect(&list, &QAbstractItemModel::modelReset, this, &NameListEditor::updateActions);
    connect(&list, &QAbstractItemModel::rowsMoved, this, &NameListEditor::updateActions);
    connect(selection, &QItemSelectionModel::currentRowChanged, this, &NameListEditor::showCurrent);
    connect(&list, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &topLeft, const QModelIndex &bottomRight) {
                const int row = m_list.selectionModel()->currentIndex().row();
                if (row >= topLeft.row() && row <= bottomRight.row() &&
                    bottomRight.column() >= NameList::ColOrganisation)
                    showCurrent();
            });
    updateActions();
}

QAction *NameListEditor::addAction(const char *name, const QString &text, const QKeySequence &key,
                                   Qt::ShortcutContext context) {
    auto *action = new QAction(text, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(key);
    action->setShortcutContext(context);
    m_view->addAction(action);
    return action;
}

void NameListEditor::updateActions() {
    const QList<int> rows = m_list.selectedRows();
    m_remove->setEnabled(!rows.isEmpty());
    m_swap->setEnabled(rows.size() == 2);
    m_up->setEnabled(!rows.isEmpty() && rows.first() > 0);
    m_down->setEnabled(!rows.isEmpty() && rows.last() < m_list.count() - 1);
}

void NameListEditor::openTable() {
    if (!m_file.maybeSave())
        return;
    const QString path = Prompt::instance().openFileName(m_window, texts::workbookFilter());
    if (!path.isEmpty())
        import(path);
}

void NameListEditor::importFile(const QString &path) {
    if (m_file.maybeSave())
        import(path);
}

void NameListEditor::import(const QString &path) {
    const ImportOutcome outcome = importNameList(m_reader, m_list, path);
    switch (outcome.status) {
    case ImportOutcome::Complete:
        emit showEntry(m_list.count() > 0 ? m_list.at(0) : NameRecord());
        break;
    case ImportOutcome::NotOpened:
        Prompt::plain(m_window, outcome.reason);
        break;
    case ImportOutcome::Broken:
        // A read error is not the command's to handle: its own text is shown with a stop icon.
        Prompt::stop(m_window, outcome.reason);
        break;
    }
}

void NameListEditor::addEntry() {
    const QModelIndex current = m_list.selectionModel()->currentIndex();
    const int position = m_list.addEntry(current.isValid() ? current.row() : m_list.count() - 1);
    const QModelIndex id = m_list.index(position, NameList::ColId);
    m_view->setCurrentIndex(id);
    m_view->setFocus();
    m_view->edit(id);
}

void NameListEditor::removeEntries() {
    const QList<int> rows = m_list.selectedRows();
    if (rows.isEmpty() || !Prompt::ask(m_window, texts::confirmRemove(int(rows.size()))))
        return;
    m_list.removeEntries(rows);
}

void NameListEditor::swapSeats() {
    const QList<int> rows = m_list.selectedRows();
    if (rows.size() == 2)
        m_list.swapSeats(rows[0], rows[1]);
}

void NameListEditor::moveEntries(int delta) {
    m_list.moveEntries(m_list.selectedRows(), delta);
}

void NameListEditor::showCurrent() {
    const QModelIndex current = m_list.selectionModel()->currentIndex();
    if (current.isValid())
        emit showEntry(m_list.at(current.row()));
}

} // namespace delvora
