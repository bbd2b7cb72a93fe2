#include "gui/drivebox.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QStyle>
#include <QTimer>

#include "gui/prompt.h"
#include "usb/drivelist.h"
#include "usb/usbtexts.h"

namespace delvora {

namespace {
void fitPopupToEntries(QComboBox *box) {
    QAbstractItemView *view = box->view();
    int width = view->sizeHintForColumn(0) + 2 * view->frameWidth();
    if (box->count() > box->maxVisibleItems())
        width += view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view);
    view->setMinimumWidth(width);
}

// The list entry the operator has chosen; -1 when the box holds typed text or nothing.
int chosenEntry(const QComboBox *box) {
    const int index = box->currentIndex();
    return index >= 0 && box->itemText(index) == box->currentText() ? index : -1;
}

void showWholeEntry(QComboBox *box) {
    const int index = chosenEntry(box);
    const QString whole =
        index >= 0 ? box->itemData(index, Qt::ToolTipRole).toString() : box->currentText();
    box->setToolTip(whole);
    box->setAccessibleDescription(whole);
}

// The closed box is narrower than most entries: it shows the start of the chosen one, the
// volume's name.
void showEntryStart(QComboBox *box) {
    if (box->lineEdit() && chosenEntry(box) >= 0)
        box->lineEdit()->setCursorPosition(0);
}

// Keeps the popup width and the tooltip in step with the box's entries, once per box.
void followEntries(QComboBox *box) {
    const QString marker = QStringLiteral("wholeDriveEntries");
    if (box->findChild<QObject *>(marker, Qt::FindDirectChildrenOnly))
        return;
    auto *follower = new QObject(box);
    follower->setObjectName(marker);
    QAbstractItemModel *model = box->model();
    const auto fit = [box] { fitPopupToEntries(box); };
    QObject::connect(model, &QAbstractItemModel::rowsInserted, follower, fit);
    QObject::connect(model, &QAbstractItemModel::rowsRemoved, follower, fit);
    QObject::connect(model, &QAbstractItemModel::modelReset, follower, fit);
    QObject::connect(model, &QAbstractItemModel::dataChanged, follower, fit);
    QObject::connect(box, &QComboBox::currentTextChanged, follower, [box] { showWholeEntry(box); });
    QObject::connect(box, &QComboBox::currentIndexChanged, follower,
                     [box] { showEntryStart(box); });
}

void setEntries(QComboBox *box, const QList<DriveEntry> &entries) {
    box->clear();
    for (const DriveEntry &entry : entries) {
        box->addItem(entry.text, entry.root);
        const int index = box->count() - 1;
        box->setItemData(index, entry.toolTip, Qt::ToolTipRole);
        box->setItemData(index, entry.toolTip, Qt::AccessibleDescriptionRole);
    }
}

bool sameEntries(const QComboBox *box, const QList<DriveEntry> &entries) {
    if (box->count() != entries.size())
        return false;
    for (int i = 0; i < box->count(); ++i) {
        if (box->itemText(i) != entries[i].text || box->itemData(i).toString() != entries[i].root ||
            box->itemData(i, Qt::ToolTipRole).toString() != entries[i].toolTip)
            return false;
    }
    return true;
}

int entryWithRoot(const QList<DriveEntry> &entries, const QString &root) {
    for (int i = 0; i < entries.size(); ++i) {
        if (entries[i].root == root)
            return i;
    }
    return -1;
}

// Refreshes the drive box while the operator is at the window, but not under an open list.
class DriveFollower : public QObject {
public:
    DriveFollower(QComboBox *box, int intervalMs) : QObject(box), m_box(box) {
        auto *timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this] {
            if (m_box->window()->isActiveWindow())
                refresh();
        });
        timer->start(intervalMs);
        m_box->window()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::WindowActivate && watched == m_box->window())
            refresh();
        return QObject::eventFilter(watched, event);
    }

private:
    void refresh() {
        if (!m_box->view()->isVisible())
            refreshDriveList(m_box);
    }

    QComboBox *m_box;
};
} // namespace

void fillDriveList(QComboBox *box) {
    followEntries(box);
    const DriveChoices choices = driveChoices(DriveList::instance());
    setEntries(box, choices.entries);
    box->setCurrentIndex(choices.preferred);
    fitPopupToEntries(box);
    showWholeEntry(box);
    showEntryStart(box);
}

void refreshDriveList(QComboBox *box) {
    const DriveChoices now = driveChoices(DriveList::instance());
    if (sameEntries(box, now.entries))
        return;
    QStringList before;
    for (int i = 0; i < box->count(); ++i)
        before << box->itemData(i).toString();
    const int chosen = chosenEntry(box);
    const QString chosenRoot = chosen >= 0 ? box->itemData(chosen).toString() : QString();
    const QString typed = chosen >= 0 ? QString() : box->currentText();
    const int cursor = box->lineEdit() ? box->lineEdit()->cursorPosition() : 0;

    setEntries(box, now.entries);
    int select = -1;
    if (chosen >= 0)
        select = entryWithRoot(now.entries, chosenRoot); // none when its volume has gone
    else if (typed.isEmpty() && now.preferred >= 0 &&
             !before.contains(now.entries[now.preferred].root))
        select = now.preferred;
    box->setCurrentIndex(select);
    if (select < 0 && box->isEditable()) {
        box->setEditText(typed);
        box->lineEdit()->setCursorPosition(cursor);
    }
    showWholeEntry(box);
    showEntryStart(box);
}

void followDrives(QComboBox *box, int intervalMs) {
    if (DriveList::instance().rules() == DriveRules::Mounts)
        new DriveFollower(box, intervalMs);
}

std::optional<QString> selectedDriveRoot(const QComboBox *box, QWidget *owner) {
    const int index = chosenEntry(box);
    if (index >= 0) {
        QString root = box->itemData(index).toString();
        const DriveList &drives = DriveList::instance();
        // A stick pulled since the list was last refreshed leaves its mount point behind, or
        // even an empty folder of the system's disk: nothing is written there.
        if (drives.rules() == DriveRules::Mounts && !driveListed(drives, root)) {
            Prompt::plain(owner, usbtexts::folderNotCreated());
            return std::nullopt;
        }
#ifdef _WIN32
        root = root.left(3); // "E:\"
#endif
        return root;
    }
    // A typed path serves when it names an existing folder.
    const QString text = box->currentText().trimmed();
    if (!text.isEmpty() && QFileInfo(text).isDir())
        return text;
    Prompt::warning(owner, QCoreApplication::translate("DriveList", "请选择U盘！"));
    return std::nullopt;
}

} // namespace delvora
