#include <QAccessible>
#include <QLineEdit>
#include <QTreeView>
#include <QtTest>

#include "namelist/namelist.h"
#include "gui/onlineplates.h"
#include "net/platereply.h"
#include "net/platestate.h"
#include "net/platesocket.h"
#include "support/listcells.h"
#include "support/scriptedprompt.h"

using namespace delvora;
using delvora::test::listCell;
using delvora::test::listRows;
using delvora::test::ScriptedPrompt;

// The online list with its ID edit, as the main window holds them.
class TestOnlinePlates : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void noLocalAddressSendsNothing_data();
    void noLocalAddressSendsNothing();
    void oneRowPerAddressAndLastAnswerWins();
    void namesStatesAndEqualIds();
    void selectionMarkFillsIdEdit();

private:
    void reply(int id, const char *address);
    void click(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    std::unique_ptr<QWidget> m_window;
    QTreeView *m_list = nullptr;
    QLineEdit *m_idEdit = nullptr;
    std::unique_ptr<OnlinePlates> m_plates;
};

void TestOnlinePlates::init() {
    m_window = std::make_unique<QWidget>();
    m_list = new QTreeView(m_window.get());
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setGeometry(0, 0, 200, 200);
    m_idEdit = new QLineEdit(m_window.get());
    m_idEdit->setGeometry(0, 210, 100, 20);
    m_plates = std::make_unique<OnlinePlates>();
    m_plates->attach(m_list, m_idEdit);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestOnlinePlates::cleanup() {
    m_plates.reset();
    m_window.reset();
}

void TestOnlinePlates::reply(int id, const char *address) {
    PlateReply r;
    r.plateId = id;
    r.sender = QHostAddress(QString::fromLatin1(address));
    r.senderPort = 8089;
    m_plates->onPlateReply(r);
}

void TestOnlinePlates::click(int row, Qt::KeyboardModifiers modifiers) {
    // In the ID cell: the row is wider than the list once the board has all its columns.
    const QRect r = m_list->visualRect(m_list->model()->index(row, 0));
    QTest::mouseClick(m_list->viewport(), Qt::LeftButton, modifiers,
                      QPoint(r.left() + 10, r.center().y()));
}

void TestOnlinePlates::noLocalAddressSendsNothing_data() {
    QTest::addColumn<QString>("localIp");
    QTest::newRow("first start, empty") << QString();
    QTest::newRow("no dot") << QStringLiteral("localhost");
}

void TestOnlinePlates::noLocalAddressSendsNothing() {
    QFETCH(QString, localIp);
    ScriptedPrompt prompt;
    PlateSocket socket;
    reply(3, "127.0.0.3");
    const QStringList probed = m_plates->detectPlates(socket, localIp, QString(), m_window.get());
    QVERIFY(probed.isEmpty());
    QCOMPARE(listRows(m_list), 0);
    QCOMPARE(prompt.texts(),
             QStringList{QStringLiteral("未设置本机IP，请先在“设置→网络”中选择网卡")});
    QCOMPARE(prompt.shown[0].icon, Prompt::Icon::Warning);
}

void TestOnlinePlates::oneRowPerAddressAndLastAnswerWins() {
    QCOMPARE(m_plates->findPlateIp(QStringLiteral("7")), QString());
    reply(7, "127.0.0.9");
    reply(12, "127.0.0.2");
    reply(7, "127.0.0.5");
    reply(7, "127.0.0.5"); // the same plate again: its row is kept
    QCOMPARE(delvora::test::listPairs(m_list),
             (QStringList{QStringLiteral("7 127.0.0.9"), QStringLiteral("12 127.0.0.2"),
                          QStringLiteral("7 127.0.0.5")}));
    QCOMPARE(m_plates->findPlateIp(QStringLiteral("7")), QStringLiteral("127.0.0.5"));
    QCOMPARE(m_plates->findPlateIp(QStringLiteral("12")), QStringLiteral("127.0.0.2"));
    // IDs are compared as text.
    QCOMPARE(m_plates->findPlateIp(QStringLiteral("007")), QString());
    QCOMPARE(m_plates->findPlateIp(QStringLiteral("1")), QString());
    // The row that answered last wins, wherever it stands.
    reply(7, "127.0.0.9");
    QCOMPARE(m_plates->findPlateIp(QStringLiteral("7")), QStringLiteral("127.0.0.9"));
    // A plate that changed its ID keeps its row, with the new ID.
    reply(8, "127.0.0.2");
    QCOMPARE(delvora::test::listPairs(m_list),
             (QStringList{QStringLiteral("7 127.0.0.9"), QStringLiteral("8 127.0.0.2"),
                          QStringLiteral("7 127.0.0.5")}));
    QCOMPARE(m_plates->findPlateIp(QStringLiteral("12")), QString());
    // A flood of answers cannot grow the board beyond one row per address.
    for (int i = 0; i < 2000; ++i)
        reply(i % 50, i % 2 ? "127.0.0.9" : "127.0.0.30");
    QCOMPARE(listRows(m_list), 4);
}

void TestOnlinePlates::namesStatesAndEqualIds() {
    NameList names;
    names.append({NameRecord{1, QStringLiteral("5"), QStringLiteral("财政部"),
                             QStringLiteral("李娜"), QStringLiteral("司长")}});
    m_plates->setNameList(&names);
    reply(5, "127.0.0.2");
    reply(6, "127.0.0.3");
    const auto cell = [this](int row, int column) {
        return delvora::test::listText(m_list, row, column);
    };
    QCOMPARE(cell(0, 2), QStringLiteral("李娜"));
    QCOMPARE(cell(0, 3), QStringLiteral("在线"));
    QCOMPARE(cell(1, 2), QString());
    QCOMPARE(cell(1, 3), QStringLiteral("不在名单"));
    // The names follow the list through an import.
    names.clear();
    names.append(
        {NameRecord{1, QStringLiteral("6"), QString(), QStringLiteral("王芳"), QString()}});
    QCOMPARE(cell(0, 2), QString());
    QCOMPARE(cell(0, 3), QStringLiteral("不在名单"));
    QCOMPARE(cell(1, 2), QStringLiteral("王芳"));
    QCOMPARE(cell(1, 3), QStringLiteral("在线"));

    // Deliveries show their progress and results.
    m_plates->setPlateState(QStringLiteral("127.0.0.3"), PlateState::Updating, 37);
    QCOMPARE(cell(1, 3), QStringLiteral("更新中 37%"));
    m_plates->setPlateState(QStringLiteral("127.0.0.3"), PlateState::Updated, 100);
    QVERIFY2(QRegularExpression(QStringLiteral("^已更新 \\d\\d:\\d\\d:\\d\\d$"))
                 .match(cell(1, 3))
                 .hasMatch(),
             qPrintable(cell(1, 3)));
    m_plates->setPlateState(QStringLiteral("127.0.0.2"), PlateState::NotConnected, 0);
    QCOMPARE(cell(0, 3), QStringLiteral("未连接"));
    QCOMPARE(listCell(m_list, 0, 3, Qt::AccessibleTextRole).toString(), QStringLiteral("未连接"));

    // Two plates with one ID: both marked, each naming the other.
    reply(6, "127.0.0.2");
    QCOMPARE(cell(0, 3), QStringLiteral("未连接 ID重复"));
    QVERIFY(cell(1, 3).endsWith(QStringLiteral(" ID重复")));
    QCOMPARE(listCell(m_list, 0, 3, Qt::AccessibleTextRole).toString(),
             QStringLiteral("未连接 ID重复：127.0.0.3"));
    QVERIFY(listCell(m_list, 1, 3, Qt::ToolTipRole)
                .toString()
                .endsWith(QStringLiteral("ID重复：127.0.0.2")));
    // A screen reader reads the full text from the cell of the view, once the view has laid
    // out its rows.
    m_list->doItemsLayout();
    QAccessibleInterface *view = QAccessible::queryAccessibleInterface(m_list);
    QVERIFY(view && view->tableInterface());
    QAccessibleInterface *stateCell = view->tableInterface()->cellAt(0, 3);
    QVERIFY(stateCell);
    QCOMPARE(stateCell->text(QAccessible::Name), QStringLiteral("未连接 ID重复：127.0.0.3"));
    reply(7, "127.0.0.2");
    QVERIFY(!cell(1, 3).contains(QStringLiteral("ID重复")));
}

void TestOnlinePlates::selectionMarkFillsIdEdit() {
    ScriptedPrompt prompt;
    reply(5, "127.0.0.2");
    reply(8, "127.0.0.3");
    reply(13, "127.0.0.4");
    QCOMPARE(m_plates->selectionMark(), -1);
    click(1);
    QCOMPARE(m_idEdit->text(), QStringLiteral("8"));
    click(2, Qt::ControlModifier);
    QCOMPARE(m_idEdit->text(), QStringLiteral("13"));
    QCOMPARE(m_list->selectionModel()->selectedRows().size(), 2);
    // Deselecting the marked row keeps the mark on it.
    click(2, Qt::ControlModifier);
    QCOMPARE(m_plates->selectionMark(), 2);
    QCOMPARE(m_idEdit->text(), QStringLiteral("13"));
    // Clearing the list is no operator selection: the typed ID stays, the mark goes.
    m_idEdit->setText(QStringLiteral("42"));
    PlateSocket socket;
    m_plates->detectPlates(socket, QString(), QString(), m_window.get());
    QCOMPARE(m_idEdit->text(), QStringLiteral("42"));
    QCOMPARE(m_plates->selectionMark(), -1);
}

QTEST_MAIN(TestOnlinePlates)
#include "test_onlineplates.moc"
