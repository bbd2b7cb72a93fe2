// What the operator reads in the window must be what assistive technology reads: a label that
// shows a changing value exposes the value, and a box too narrow for its entries still shows
// them whole somewhere.
#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "gui/application.h"
#include "gui/mainwindow.h"
#include "namelist/namelist.h"
#include "support/fakedrives.h"
#include "support/scriptedprompt.h"
#include "support/tempworkdir.h"

using namespace delvora;
using namespace delvora::test;

namespace {

QString accessibleText(QObject *object, QAccessible::Text which) {
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(which) : QString();
}

// Records what assistive technology reads as the label's name each time the label is painted.
class ReadNames : public QObject {
public:
    explicit ReadNames(QLabel *label) : m_label(label) { label->installEventFilter(this); }
    QStringList names;

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Paint) {
            const QString name = accessibleText(m_label, QAccessible::Name);
            if (!name.isEmpty() && (names.isEmpty() || names.last() != name))
                names << name;
        }
        return false;
    }

private:
    QLabel *m_label;
};

} // namespace

class TestReadableValues : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Application::prepareApplication(); }
    void percentageIsRead();
    void driveEntriesAreWhole();
};

void TestReadableValues::percentageIsRead() {
    TempWorkDir dir;
    dir.useFixedAddress();
    dir.installResource(QStringLiteral("red.jpg"));
    dir.installResource(QStringLiteral("fontSetting.dat"));
    QDir(dir.path()).mkpath(QStringLiteral("drive"));
    FakeDrives drives({FakeDrives::stick(dir.file(QStringLiteral("drive")))});
    ScriptedPrompt prompt;
    MainWindow dlg;
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    for (int i = 1; i <= 3; ++i)
        dlg.names().append({{i, QString::number(i), QStringLiteral("单位"),
                             QStringLiteral("名字%1").arg(i), QStringLiteral("职位")}});

    QLabel *label = dlg.face().progressText;
    ReadNames read(label);
    dlg.face().usbUpdate->click();
    QTRY_VERIFY(dlg.face().usbUpdate->isEnabled());
    QTRY_COMPARE(prompt.texts(), QStringList{QStringLiteral("生成U盘文件成功")});

    QCOMPARE(read.names, (QStringList{QStringLiteral(" 33 %"), QStringLiteral(" 66 %"),
                                      QStringLiteral("100 %")}));
    QCOMPARE(accessibleText(label, QAccessible::Name), QStringLiteral("100 %"));
    QCOMPARE(accessibleText(label, QAccessible::Description), QStringLiteral("进度百分比"));
}

void TestReadableValues::driveEntriesAreWhole() {
    TempWorkDir dir;
    dir.useFixedAddress();
    const QString longRoot = dir.file(QStringLiteral("一个名字相当长的U盘卷标"));
    FakeDrives drives({FakeDrives::stick(dir.path()), FakeDrives::stick(longRoot, 8053063680)});
    ScriptedPrompt prompt;
    MainWindow dlg;
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));

    QComboBox *box = dlg.face().driveCombo;
    QCOMPARE(box->count(), 2);
    const QString longest = box->itemText(1);
    QCOMPARE(longest, QStringLiteral("一个名字相当长的U盘卷标 (7.5 G)"));
    const int textWidth = box->view()->fontMetrics().horizontalAdvance(longest);
    QVERIFY2(box->width() < textWidth, "the entry should not fit the closed box");

    box->showPopup();
    QWidget *popup = box->view()->window();
    QTRY_VERIFY(popup->isVisible());
    QVERIFY2(box->view()->viewport()->width() >= textWidth,
             qPrintable(QStringLiteral("list %1 px, entry %2 px")
                            .arg(box->view()->viewport()->width())
                            .arg(textWidth)));
    // Each entry's mount path is its tooltip and description in the list as well.
    const QModelIndex first = box->model()->index(0, 0);
    QCOMPARE(first.data(Qt::ToolTipRole).toString(), QDir::toNativeSeparators(dir.path()));
    QCOMPARE(first.data(Qt::AccessibleDescriptionRole).toString(),
             QDir::toNativeSeparators(dir.path()));
    box->hidePopup();

    // The stick mounted last is chosen; the box tells its whole mount path.
    QCOMPARE(box->currentIndex(), 1);
    QCOMPARE(box->toolTip(), QDir::toNativeSeparators(longRoot));
    QCOMPARE(accessibleText(box, QAccessible::Description), QDir::toNativeSeparators(longRoot));
    box->setCurrentIndex(0);
    QCOMPARE(box->toolTip(), QDir::toNativeSeparators(dir.path()));
    QCOMPARE(accessibleText(box, QAccessible::Description), QDir::toNativeSeparators(dir.path()));
}

QTEST_MAIN(TestReadableValues)
#include "test_readablevalues.moc"
