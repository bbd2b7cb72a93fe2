#include <QtTest>

#include "namelist/namelist.h"
#include "support/sampleentries.h"

using namespace delvora;
using namespace delvora::test;
using namespace Qt::StringLiterals;

class TestNameList : public QObject {
    Q_OBJECT
private slots:
    void columnsAndTexts();
    void firstSelectedIsLowestPosition();
    void clearAndAppend();
};

void TestNameList::columnsAndTexts() {
    NameList list;
    list.append({{1, u"12"_s, u"北京大学"_s, u"张三"_s, u"教授"_s},
                 {2, u"12"_s, QString(), u"李四"_s, QString()}});
    QCOMPARE(list.columnCount(), 5);
    QCOMPARE(list.rowCount(), 2);
    QStringList headings;
    for (int c = 0; c < list.columnCount(); ++c)
        headings << list.headerData(c, Qt::Horizontal).toString();
    QCOMPARE(headings, (QStringList{u"序号"_s, u"ID"_s, u"单位名称"_s, u"名字"_s, u"职位"_s}));
    QStringList row;
    for (int c = 0; c < list.columnCount(); ++c)
        row << list.data(list.index(0, c)).toString();
    QCOMPARE(row, (QStringList{u"1"_s, u"12"_s, u"北京大学"_s, u"张三"_s, u"教授"_s}));
    // The same plate ID twice gives two lines.
    QCOMPARE(list.data(list.index(1, NameList::ColId)).toString(), u"12"_s);
    QCOMPARE(list.data(list.index(1, NameList::ColTitle)).toString(), QString());
    QCOMPARE(
        list.data(list.index(1, NameList::ColSeq), Qt::TextAlignmentRole).value<Qt::Alignment>() &
            Qt::AlignHorizontal_Mask,
        Qt::AlignLeft);
    QCOMPARE(list.at(1).name, u"李四"_s);
    QVERIFY(!(list.flags(list.index(0, 0)) & Qt::ItemIsEditable));
}

void TestNameList::firstSelectedIsLowestPosition() {
    NameList list;
    list.append(sampleEntries(6));
    QCOMPARE(list.firstSelected(), -1);
    auto *sel = list.selectionModel();
    const auto rows = QItemSelectionModel::Select | QItemSelectionModel::Rows;
    sel->select(list.index(4, 0), rows);
    sel->select(list.index(2, 0), rows);
    QCOMPARE(list.firstSelected(), 2);
    sel->select(QItemSelection(list.index(1, 0), list.index(3, 4)), QItemSelectionModel::Select);
    QCOMPARE(list.firstSelected(), 1);
    sel->clearSelection();
    QCOMPARE(list.firstSelected(), -1);
}

void TestNameList::clearAndAppend() {
    NameList list;
    list.append(sampleEntries(3));
    list.selectionModel()->select(list.index(1, 0),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
    list.clear();
    QCOMPARE(list.count(), 0);
    QCOMPARE(list.firstSelected(), -1);
    list.append({});
    QCOMPARE(list.count(), 0);
    list.append(sampleEntries(2));
    QCOMPARE(list.at(0).seq, 1);
    QCOMPARE(list.entries().size(), 2);
}

QTEST_MAIN(TestNameList)
#include "test_namelist.moc"
