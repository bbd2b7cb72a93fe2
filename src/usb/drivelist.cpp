#include "usb/drivelist.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <QStyle>

#include "gui/prompt.h"

namespace delvora {

namespace {
DriveList *g_driveList = nullptr;

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

DriveList &DriveList::instance() {
    static SystemDriveList real;
    return g_driveList ? *g_driveList : real;
}

void DriveList::setInstance(DriveList *list) {
    g_driveList = list;
}

QList<DriveInfo> SystemDriveList::drives() const {
    QList<DriveInfo> out;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady())
            continue;
        out.append({QDir::toNativeSeparators(volume.rootPath()), volume.bytesTotal()});
    }
    return out;
}

QString driveEntryText(const DriveInfo &drive) {
    float gib = float(drive.totalBytes);
    for (int i = 0; i < 3; ++i)
        gib *= 0.0009765625f;
    return drive.root + QString::asprintf("(%.1f G)", double(gib));
}

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

QString drivePath(const QString &root, const QString &relative) {
    QString path = QDir::fromNativeSeparators(root);
    if (!path.endsWith(u'/'))
        path += u'/';
    return QDir::toNativeSeparators(path + relative);
}

} // namespace delvora
