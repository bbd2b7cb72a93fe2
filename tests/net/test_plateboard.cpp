#include <QAbstractItemModelTester>
#include <QBrush>
#include <QColor>
#include <QtTest>

#include "namelist/namelist.h"
#include "net/plateboard.h"
#include "net/platestate.h"

using namespace delvora;

// The board's rows without a window: what each cell shows and which cells a change reports.
class TestPlateBoard : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void cellsOfARow();
    void changesReportJustTheirCells();
    void newSweepResets();

private:
    // The cells reported changed while `change` runs, as "row:column" texts.
    template <typename Change> QStringList changedCells(Change change);

    std::unique_ptr<PlateBoard> m_board;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
};

void TestPlateBoard::init() {
    m_board = std::make_unique<PlateBoard>();
    m_tester = std::make_unique<QAbstractItemModelTester>(
        m_board.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
}

void TestPlateBoard::cleanup() {
    m_tester.reset();
    m_board.reset();
}

template <typename Change> QStringList TestPlateBoard::changedCells(Change change) {
    QStringList cells;
    const auto connection =
        connect(m_board.get(), &QAbstractItemModel::dataChanged, this,
                [&cells](const QModelIndex &from, const QModelIndex &to) {
                    for (int row = from.row(); row <= to.row(); ++row)
                        for (int column = from.column(); column <= to.column(); ++column)
                            cells << QString::number(row) + u':' + QString::number(column);
                });
    change();
    disconnect(connection);
    cells.sort();
    return cells;
}

void TestPlateBoard::cellsOfARow() {
    NameList names;
    names.append(
        {NameRecord{1, QStringLiteral("5"), QString(), QStringLiteral("李娜"), QString()}});
    m_board->setNameList(&names);
    m_board->answer(QStringLiteral("127.0.0.2"), QStringLiteral("5"));
    const auto cell = [this](int column, int role) {
        return m_board->data(m_board->index(0, column), role);
    };
    QCOMPARE(m_board->columnCount(), 4);
    QStringList headings;
    for (int column = 0; column < 4; ++column)
        headings << m_board->headerData(column, Qt::Horizontal).toString();
    QCOMPARE(headings, (QStringList{QStringLiteral("ID"), QStringLiteral("IP"),
                                    QStringLiteral("名字"), QStringLiteral("状态")}));
    QStringList texts;
    for (int column = 0; column < 4; ++column)
        texts << cell(column, Qt::DisplayRole).toString();
    QCOMPARE(texts, (QStringList{QStringLiteral("5"), QStringLiteral("127.0.0.2"),
                                 QStringLiteral("李娜"), QStringLiteral("在线")}));
    QCOMPARE(cell(3, Qt::AccessibleTextRole).toString(), QStringLiteral("在线"));
    QCOMPARE(cell(0, Qt::ToolTipRole).toString(), QStringLiteral("在线"));
    const QColor online = cell(0, Qt::DecorationRole).value<QColor>();
    QVERIFY(online.isValid());
    QVERIFY(!cell(1, Qt::DecorationRole).isValid());
    QVERIFY(!cell(0, Qt::ForegroundRole).isValid());

    // Offline: another mark, and the whole row greyed.
    m_board->setState(QStringLiteral("127.0.0.2"), PlateState::Offline, 0);
    QCOMPARE(cell(3, Qt::DisplayRole).toString(), QStringLiteral("离线"));
    QVERIFY(cell(0, Qt::DecorationRole).value<QColor>() != online);
    for (int column = 0; column < 4; ++column)
        QVERIFY(cell(column, Qt::ForegroundRole).value<QBrush>().color().isValid());
    // An answer brings it back; a delivery's result stays.
    m_board->answer(QStringLiteral("127.0.0.2"), QStringLiteral("5"));
    QCOMPARE(cell(3, Qt::DisplayRole).toString(), QStringLiteral("在线"));
    QVERIFY(!cell(2, Qt::ForegroundRole).isValid());
    m_board->setState(QStringLiteral("127.0.0.2"), PlateState::TransferFailed, 40);
    m_board->answer(QStringLiteral("127.0.0.2"), QStringLiteral("5"));
    QCOMPARE(cell(3, Qt::DisplayRole).toString(), QStringLiteral("传输失败"));
    // A state for an address not on the board changes nothing.
    m_board->setState(QStringLiteral("127.0.0.9"), PlateState::Updated, 100);
    QCOMPARE(m_board->rowCount(), 1);
}

void TestPlateBoard::changesReportJustTheirCells() {
    NameList names;
    names.append(
        {NameRecord{1, QStringLiteral("5"), QString(), QStringLiteral("李娜"), QString()},
         NameRecord{2, QStringLiteral("6"), QString(), QStringLiteral("王芳"), QString()}});
    m_board->setNameList(&names);
    QSignalSpy inserted(m_board.get(), &QAbstractItemModel::rowsInserted);
    QCOMPARE(changedCells([&] {
                 m_board->answer(QStringLiteral("127.0.0.2"), QStringLiteral("5"));
                 m_board->answer(QStringLiteral("127.0.0.3"), QStringLiteral("6"));
             }),
             QStringList());
    QCOMPARE(inserted.size(), 2);

    const QString a = QStringLiteral("127.0.0.2");
    const QString b = QStringLiteral("127.0.0.3");
    struct Step {
        const char *what;
        std::function<void()> change;
        const char *cells; // "row:column" of each changed cell
    };
    const std::vector<Step> steps = {
        {"same answer again", [&] { m_board->answer(a, QStringLiteral("5")); }, ""},
        {"progress", [&] { m_board->setState(b, PlateState::Updating, 37); }, "1:0 1:3"},
        {"more progress: the new text in both cells",
         [&] { m_board->setState(b, PlateState::Updating, 38); }, "1:0 1:3"},
        {"same progress", [&] { m_board->setState(b, PlateState::Updating, 38); }, ""},
        // Both plates now carry ID 6: each names the other.
        {"ID changes to another row's", [&] { m_board->answer(a, QStringLiteral("6")); },
         "0:0 0:2 0:3 1:0 1:3"},
        {"offline greys the row", [&] { m_board->setState(a, PlateState::Offline, 0); },
         "0:0 0:1 0:2 0:3"},
        {"name edited in the list",
         [&] { names.setCell(1, NameList::ColName, QStringLiteral("赵敏")); }, "0:2 1:2"},
    };
    for (const Step &step : steps)
        QVERIFY2(changedCells(step.change).join(u' ') == QLatin1String(step.cells), step.what);
    QCOMPARE(inserted.size(), 2);
}

void TestPlateBoard::newSweepResets() {
    m_board->answer(QStringLiteral("127.0.0.2"), QStringLiteral("5"));
    m_board->answer(QStringLiteral("127.0.0.3"), QStringLiteral("5"));
    QSignalSpy reset(m_board.get(), &QAbstractItemModel::modelReset);
    m_board->clear();
    QCOMPARE(reset.size(), 1);
    QCOMPARE(m_board->rowCount(), 0);
    QCOMPARE(m_board->findAddress(QStringLiteral("5")), QString());
    // The addresses of the last sweep are forgotten: they come back as new rows.
    m_board->answer(QStringLiteral("127.0.0.3"), QStringLiteral("7"));
    QCOMPARE(m_board->addresses(), QStringList{QStringLiteral("127.0.0.3")});
    QCOMPARE(m_board->data(m_board->index(0, 3)).toString(), QStringLiteral("在线"));
}

QTEST_MAIN(TestPlateBoard)
#include "test_plateboard.moc"
