#include <QtTest>

#include <QHeaderView>
#include <QTreeView>

#include "gui/namelistview.h"
#include "namelist/namelist.h"
#include "support/listcells.h"
#include "support/sampleentries.h"

using namespace delvora;
using namespace delvora::test;
using namespace Qt::StringLiterals;

class TestNameListView : public QObject {
    Q_OBJECT
private slots:
    void viewShowsTheListWithItsSelection();
    void tenThousandEntriesInOneInsertion();
};

void TestNameListView::viewShowsTheListWithItsSelection() {
    NameList list;
    QTreeView view;
    view.setSelectionMode(QAbstractItemView::ExtendedSelection);
    view.setSelectionBehavior(QAbstractItemView::SelectRows);
    attachNameList(&view, list);
    QCOMPARE(view.selectionModel(), list.selectionModel());
    for (int c : {0, 2, 3, 4})
        QCOMPARE(view.header()->sectionSize(c), (QList<int>{40, 40, 120, 80, 120}[c]));

    list.append(sampleEntries(5));
    view.resize(500, 300);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    // An ID with its warning mark shows whole.
    list.setData(list.index(0, NameList::ColId), QStringLiteral("9999"), Qt::EditRole);
    list.setData(list.index(1, NameList::ColId), QStringLiteral("9999"), Qt::EditRole);
    QVERIFY(!listCell(&view, 0, NameList::ColId, Qt::DecorationRole).isNull());
    QVERIFY2(listCellNeeds(&view, 0, NameList::ColId) <=
                 view.header()->sectionSize(NameList::ColId),
             qPrintable(QString::number(listCellNeeds(&view, 0, NameList::ColId))));
    // Clicking line 4 and then line 2 with Ctrl selects both; the first selected is line 2.
    const auto click = [&](int row, Qt::KeyboardModifiers mods) {
        QTest::mouseClick(view.viewport(), Qt::LeftButton, mods,
                          view.visualRect(list.index(row, 2)).center());
    };
    click(3, Qt::NoModifier);
    click(1, Qt::ControlModifier);
    QCOMPARE(list.firstSelected(), 1);
    QCOMPARE(view.selectionModel()->selectedRows().size(), 2);
}

void TestNameListView::tenThousandEntriesInOneInsertion() {
    NameList list;
    QTreeView view;
    attachNameList(&view, list);
    QSignalSpy inserted(&list, &QAbstractItemModel::rowsInserted);
    list.append(sampleEntries(10000));
    QCOMPARE(inserted.size(), 1);
    QCOMPARE(view.model()->rowCount(), 10000);
    QCOMPARE(list.data(list.index(9999, NameList::ColOrganisation)).toString(), u"单位9999"_s);
}

QTEST_MAIN(TestNameListView)
#include "test_namelistview.moc"
