#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

#include "listlines.h"
#include "namelist/namelist.h"

using namespace delvora;
using namespace Qt::StringLiterals;

namespace {

QList<NameRecord> people(const QStringList &ids) {
    QList<NameRecord> out;
    for (int i = 0; i < ids.size(); ++i) {
        const QString who = u"甲乙丙丁戊"_s.mid(i, 1);
        out.append({i + 1, ids[i], who + u"单位"_s, who, who + u"长"_s});
    }
    return out;
}

QStringList warnings(const NameList &list) {
    QStringList out;
    for (int r = 0; r < list.count(); ++r)
        out << list.index(r, NameList::ColId).data(Qt::ToolTipRole).toString();
    return out;
}

} // namespace

// The edits of the name list without a window: each change with its model signals, one undo
// step each, and the ID warnings that follow them.
class TestNameListEdits : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void editsUndoBackToTheImport();
    void editAppliesThePlateIdRule_data();
    void editAppliesThePlateIdRule();
    void moveKeepsSelectionAndStopsAtTheEnds();
    void removeAndSwapCarryWholeEntries();
    void runsOfEntriesMove_data();
    void runsOfEntriesMove();
    void replaceIsOneStepWithItsFile();
    void unsavedListDiesWithoutSignals();
    void warnings_data();
    void warnings();
    void warningsFollowEdits();

private:
    std::unique_ptr<NameList> m_list;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
};

void TestNameListEdits::init() {
    m_list = std::make_unique<NameList>();
    // Checks every signal the model emits against what it then reports.
    m_tester = std::make_unique<QAbstractItemModelTester>(
        m_list.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    m_list->append(people({u"1"_s, u"2"_s, u"3"_s, u"4"_s}));
}

void TestNameListEdits::cleanup() {
    m_tester.reset();
    m_list.reset();
}

void TestNameListEdits::editsUndoBackToTheImport() {
    NameList &list = *m_list;
    const QStringList imported = listLines(list);
    QUndoStack *stack = list.undoStack();

    QVERIFY(list.setData(list.index(0, NameList::ColName), u"王五"_s));
    QVERIFY(list.editCell(1, NameList::ColTitle, u"主任"_s));
    QCOMPARE(list.addEntry(1), 2);
    QVERIFY(list.swapSeats(0, 3));
    QVERIFY(list.moveEntries({3}, -1));
    QVERIFY(list.removeEntries({0, 4}));
    QCOMPARE(listLines(list),
             (QStringList{u"1|2|乙单位|乙|主任"_s, u"2|1|丙单位|丙|丙长"_s, u"3||||"_s}));
    QCOMPARE(stack->count(), 6);
    // 序号 is the position, in the entries too (the USB export and the update read them).
    for (int r = 0; r < list.count(); ++r)
        QCOMPARE(list.at(r).seq, r + 1);

    const QStringList edited = listLines(list);
    while (stack->canUndo())
        stack->undo();
    QCOMPARE(listLines(list), imported);
    QVERIFY(stack->isClean());
    while (stack->canRedo())
        stack->redo();
    QCOMPARE(listLines(list), edited);
}

void TestNameListEdits::editAppliesThePlateIdRule_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<bool>("step");
    QTest::newRow("number") << u"15"_s << u"15"_s << true;
    QTest::newRow("padded") << u" 007 "_s << u"7"_s << true;
    QTest::newRow("trailing text") << u"12号"_s << u"12"_s << true;
    QTest::newRow("no digits") << u"abc"_s << u"0"_s << true;
    QTest::newRow("cleared stays empty") << u"  "_s << QString() << true;
    QTest::newRow("same value is no step") << u"01"_s << u"1"_s << false;
}

void TestNameListEdits::editAppliesThePlateIdRule() {
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(bool, step);
    QCOMPARE(m_list->editCell(0, NameList::ColId, typed), step);
    QCOMPARE(m_list->at(0).id, kept);
    QCOMPARE(m_list->undoStack()->count(), step ? 1 : 0);
    // 序号 is never edited.
    QVERIFY(!(m_list->flags(m_list->index(0, NameList::ColSeq)) & Qt::ItemIsEditable));
    QVERIFY(m_list->flags(m_list->index(0, NameList::ColId)) & Qt::ItemIsEditable);
}

void TestNameListEdits::moveKeepsSelectionAndStopsAtTheEnds() {
    NameList &list = *m_list;
    for (int r : {0, 2})
        list.selectionModel()->select(list.index(r, 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QSignalSpy moved(&list, &QAbstractItemModel::rowsMoved);
    QVERIFY(!list.moveEntries(list.selectedRows(), -1)); // the first is already on top
    QVERIFY(list.moveEntries(list.selectedRows(), 1));
    QCOMPARE(moved.count(), 2);
    QCOMPARE(listLines(list), (QStringList{u"1|2|乙单位|乙|乙长"_s, u"2|1|甲单位|甲|甲长"_s,
                                           u"3|4|丁单位|丁|丁长"_s, u"4|3|丙单位|丙|丙长"_s}));
    // The selection moved with the entries.
    QCOMPARE(list.selectedRows(), (QList<int>{1, 3}));
    QVERIFY(!list.moveEntries(list.selectedRows(), 1)); // the last is already at the bottom
    list.undoStack()->undo();
    QCOMPARE(list.selectedRows(), (QList<int>{0, 2}));
    QCOMPARE(list.at(0).name, u"甲"_s);
}

void TestNameListEdits::removeAndSwapCarryWholeEntries() {
    NameList &list = *m_list;
    QVERIFY(!list.swapSeats(1, 1));
    QVERIFY(list.swapSeats(1, 2));
    // The people keep their places and texts; only the plates change.
    QCOMPARE(list.at(1).name, u"乙"_s);
    QCOMPARE(list.at(1).id, u"3"_s);
    QCOMPARE(list.at(2).id, u"2"_s);

    QSignalSpy removed(&list, &QAbstractItemModel::rowsRemoved);
    QVERIFY(list.removeEntries({0, 1, 3}));
    QCOMPARE(removed.count(), 2); // one signal per run of neighbours
    QCOMPARE(listLines(list), QStringList{u"1|2|丙单位|丙|丙长"_s});
    list.undoStack()->undo();
    QCOMPARE(list.count(), 4);
    QCOMPARE(list.at(3).name, u"丁"_s);
    QCOMPARE(list.at(1).id, u"3"_s);
}

void TestNameListEdits::runsOfEntriesMove_data() {
    QTest::addColumn<QList<int>>("positions");
    QTest::addColumn<int>("delta");
    QTest::addColumn<QString>("order"); // the IDs afterwards
    QTest::newRow("block down") << QList<int>{0, 1} << 1 << u"3124"_s;
    QTest::newRow("block up") << QList<int>{2, 3} << -1 << u"1342"_s;
    QTest::newRow("two runs down") << QList<int>{2, 0} << 1 << u"2143"_s;
    QTest::newRow("two runs up") << QList<int>{1, 3, 3} << -1 << u"2143"_s;
    QTest::newRow("top stays") << QList<int>{0, 2} << -1 << u"1234"_s;
    QTest::newRow("outside the list") << QList<int>{7} << 1 << u"1234"_s;
}

void TestNameListEdits::runsOfEntriesMove() {
    QFETCH(QList<int>, positions);
    QFETCH(int, delta);
    QFETCH(QString, order);
    const auto ids = [this] {
        QString out;
        for (const NameRecord &e : m_list->entries())
            out += e.id;
        return out;
    };
    m_list->moveEntries(positions, delta);
    QCOMPARE(ids(), order);
    m_list->undoStack()->undo();
    QCOMPARE(ids(), u"1234"_s);
}

void TestNameListEdits::replaceIsOneStepWithItsFile() {
    NameList &list = *m_list;
    list.setFilePath(u"/x/a.xlsx"_s);
    list.undoStack()->setClean();
    const QList<NameRecord> before = list.entries();
    QSignalSpy reset(&list, &QAbstractItemModel::modelReset);
    list.replaceEntries(people({u"9"_s}));
    list.setFilePath(u"/x/b.xls"_s);
    list.recordReplace(before, u"/x/a.xlsx"_s);
    QCOMPARE(reset.count(), 1); // recording does not reset again
    QCOMPARE(list.undoStack()->count(), 1);
    list.undoStack()->undo();
    QCOMPARE(list.entries(), before);
    QCOMPARE(list.filePath(), u"/x/a.xlsx"_s);
    QVERIFY(list.undoStack()->isClean());
    list.undoStack()->redo();
    QCOMPARE(list.count(), 1);
    QCOMPARE(list.filePath(), u"/x/b.xls"_s);
}

void TestNameListEdits::unsavedListDiesWithoutSignals() {
    // A window's title follows the undo stack; as a list with unsaved edits is deleted, its
    // stack must not call back into the half-deleted list.
    NameList &list = *m_list;
    list.replaceEntries(people({u"9"_s}));
    list.setFilePath(u"/x/b.xls"_s);
    list.recordReplace({}, u"/x/a.xlsx"_s);
    QVERIFY(!list.undoStack()->isClean());
    int calls = 0;
    const auto listen = [&] { ++calls; };
    connect(list.undoStack(), &QUndoStack::cleanChanged, this, listen);
    connect(list.undoStack(), &QUndoStack::indexChanged, this, listen);
    cleanup();
    QCOMPARE(calls, 0);
}

void TestNameListEdits::warnings_data() {
    QTest::addColumn<QStringList>("ids");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("fine") << QStringList{u"0"_s, u"9999"_s} << QStringList{QString(), QString()};
    QTest::newRow("empty") << QStringList{u""_s, u"1"_s} << QStringList{u"ID为空"_s, QString()};
    QTest::newRow("out of range") << QStringList{u"10000"_s, u"-1"_s}
                                  << QStringList{u"ID超出范围 0-9999"_s, u"ID超出范围 0-9999"_s};
    QTest::newRow("duplicates point at each other")
        << QStringList{u"5"_s, u"6"_s, u"5"_s, u"5"_s}
        << QStringList{u"与第3行ID重复"_s, QString(), u"与第1行ID重复"_s, u"与第1行ID重复"_s};
    QTest::newRow("two empty are not duplicates")
        << QStringList{u""_s, u""_s} << QStringList{u"ID为空"_s, u"ID为空"_s};
}

void TestNameListEdits::warnings() {
    QFETCH(QStringList, ids);
    QFETCH(QStringList, expected);
    NameList list;
    list.append(people(ids));
    QCOMPARE(::warnings(list), expected);
    for (int r = 0; r < list.count(); ++r) {
        const QModelIndex id = list.index(r, NameList::ColId);
        QCOMPARE(list.warning(r), expected[r]);
        QCOMPARE(id.data(Qt::AccessibleDescriptionRole).toString(), expected[r]);
        // The accessible text still carries the value in front of the reason.
        if (!expected[r].isEmpty())
            QVERIFY(id.data(Qt::AccessibleTextRole).toString().startsWith(ids[r]));
        // The 序号 cell stays free of marks.
        QVERIFY(!list.index(r, NameList::ColSeq).data(Qt::ToolTipRole).isValid());
    }
}

void TestNameListEdits::warningsFollowEdits() {
    NameList &list = *m_list;
    QSignalSpy changed(&list, &QAbstractItemModel::dataChanged);
    list.editCell(3, NameList::ColId, u"1"_s);
    QCOMPARE(::warnings(list),
             (QStringList{u"与第4行ID重复"_s, QString(), QString(), u"与第1行ID重复"_s}));
    // The other holder's mark changes with a signal of its own.
    bool firstRowSignalled = false;
    for (const QList<QVariant> &args : changed)
        firstRowSignalled |= args[0].toModelIndex() == list.index(0, NameList::ColId);
    QVERIFY(firstRowSignalled);

    list.moveEntries({3}, -1);
    QCOMPARE(::warnings(list),
             (QStringList{u"与第3行ID重复"_s, QString(), u"与第1行ID重复"_s, QString()}));
    list.removeEntries({0});
    QCOMPARE(::warnings(list), (QStringList{QString(), QString(), QString()}));
    list.addEntry(-1);
    QCOMPARE(::warnings(list).first(), u"ID为空"_s);
    list.undoStack()->undo();
    list.undoStack()->undo();
    QCOMPARE(::warnings(list),
             (QStringList{u"与第3行ID重复"_s, QString(), u"与第1行ID重复"_s, QString()}));
}

QTEST_MAIN(TestNameListEdits)
#include "test_namelistedits.moc"
