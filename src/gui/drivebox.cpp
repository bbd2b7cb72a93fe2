#include "gui/drivebox.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QStyle>

#include "gui/prompt.h"
#include "usb/drivelist.h"

namespace delvora {

namespace {
void fitPopupToEntries(QComboBox *box) {
    QAbstractItemView *view = box->view();
    int width = view->sizeHintForColumn(0) + 2 * view->frameWidth();
    if (box->count() > box->maxVisibleItems())
        width += view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view);
    view->setMinimumWidth(width);
}

void showWholeEntry(QComboBox *box, const QString &text) {
    box->setToolTip(text);
    box->setAccessibleDescription(text);
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
    QObject::connect(box, &QComboBox::currentTextChanged, follower,
                     [box](const QString &text) { showWholeEntry(box, text); });
}
} // namespace

void fillDriveList(QComboBox *box) {
    followEntries(box);
    for (const DriveInfo &drive : DriveList::instance().drives())
        box->addItem(driveEntryText(drive), drive.root);
    if (box->count() > 0)
        box->setCurrentIndex(box->count() - 1);
    fitPopupToEntries(box);
    showWholeEntry(box, box->currentText());
}

std::optional<QString> selectedDriveRoot(const QComboBox *box, QWidget *owner) {
    const int index = box->currentIndex();
    const QString text = box->currentText();
    if (index >= 0 && box->itemText(index) == text) {
        QString root = box->itemData(index).toString();
#ifdef _WIN32
        root = root.left(3); // "E:\"
#endif
        return root;
    }
    // A typed path serves when it names an existing folder.
    if (!text.trimmed().isEmpty() && QFileInfo(text.trimmed()).isDir())
        return text.trimmed();
    Prompt::warning(owner, QCoreApplication::translate("DriveList", "请选择U盘！"));
    return std::nullopt;
}

} // namespace delvora
