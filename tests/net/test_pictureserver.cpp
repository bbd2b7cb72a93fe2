#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>
#include <cerrno>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

#include "net/listensocket.h"
#include "net/pictureserver.h"

using namespace delvora;

namespace {

constexpr quint16 kPort = 28087; // the server takes its port; this one is shared with nobody

// A plate's side of the connection, from its own loopback address.
std::unique_ptr<QTcpSocket> connectFrom(const char *address) {
    auto socket = std::make_unique<QTcpSocket>();
    socket->bind(QHostAddress(QString::fromLatin1(address)), 0);
    socket->connectToHost(QHostAddress::LocalHost, kPort);
    return socket;
}

// True once the peer closed the connection or it failed.
bool closedByServer(QTcpSocket &socket) {
    if (socket.state() == QAbstractSocket::UnconnectedState)
        return true;
    QSignalSpy closed(&socket, &QTcpSocket::disconnected);
    return closed.wait(5000);
}

} // namespace

// The picture server on TCP 8087: start-up failures, which connections it serves and how it
// ends them.
class TestPictureServer : public QObject {
    Q_OBJECT
private slots:
    void portTakenIsABindError();
    void servesOnlyTheAwaitedPlate();
    void connectionGoesToItsPlatesTaker();
    void nextRequestClosesAfterEveryByte();
    void waitingConnectionIsTakenOnDemand();
    void acceptErrorCode_data();
    void acceptErrorCode();
    void acceptFailureEndsTheServer();
};

void TestPictureServer::portTakenIsABindError() {
    QTcpServer other;
    QVERIFY(other.listen(QHostAddress::AnyIPv4, kPort));
    PictureServer server;
    QCOMPARE(server.startPictureServer(kPort), QStringLiteral("Bind Error:%1 ").arg(EADDRINUSE));
    QVERIFY(!server.isListening());

    // Free again: the server starts, and a restart right after finds the port too.
    other.close();
    {
        PictureServer first;
        QVERIFY(first.startPictureServer(kPort).isEmpty());
        auto plate = connectFrom("127.0.0.2");
        QVERIFY(plate->waitForConnected(5000));
    }
    PictureServer again;
    QVERIFY(again.startPictureServer(kPort).isEmpty());
    QCOMPARE(again.port(), kPort);
}

void TestPictureServer::servesOnlyTheAwaitedPlate() {
    PictureServer server;
    QVERIFY(server.startPictureServer(kPort).isEmpty());
    QSignalSpy served(&server, &PictureServer::plateConnected);

    // Nobody awaited yet: a connection is closed at once.
    auto early = connectFrom("127.0.0.3");
    QVERIFY(closedByServer(*early));

    server.prepareRequest(QHostAddress(QStringLiteral("127.0.0.3")));
    auto stranger = connectFrom("127.0.0.2");
    QVERIFY(closedByServer(*stranger));
    QCOMPARE(served.size(), 0);

    auto plate = connectFrom("127.0.0.3");
    QVERIFY(served.wait(5000));
    QTcpSocket *connection = served[0][0].value<QTcpSocket *>();
    QCOMPARE(connection->peerAddress(), QHostAddress(QStringLiteral("127.0.0.3")));

    // The plate has been served; a second connection of the same plate is not.
    auto again = connectFrom("127.0.0.3");
    QVERIFY(closedByServer(*again));
    QCOMPARE(served.size(), 1);
    QCOMPARE(plate->state(), QAbstractSocket::ConnectedState);
}

void TestPictureServer::connectionGoesToItsPlatesTaker() {
    PictureServer server;
    QVERIFY(server.startPictureServer(kPort).isEmpty());
    // Three plates awaited at once; plate .3 was asked twice, and only its latest taker counts.
    QStringList took;
    auto taker = [&took](const char *name) {
        return [&took, name](QTcpSocket *socket) {
            took << QStringLiteral("%1<-%2").arg(QLatin1String(name),
                                                 socket->peerAddress().toString());
        };
    };
    server.prepareRequest(QHostAddress(QStringLiteral("127.0.0.2")), taker("a"));
    server.prepareRequest(QHostAddress(QStringLiteral("127.0.0.3")), taker("stale"));
    server.prepareRequest(QHostAddress(QStringLiteral("127.0.0.3")), taker("b"));
    server.prepareRequest(QHostAddress(QStringLiteral("127.0.0.4")), taker("c"));
    auto second = connectFrom("127.0.0.3");
    QTRY_COMPARE_WITH_TIMEOUT(took, QStringList{QStringLiteral("b<-127.0.0.3")}, 5000);
    auto first = connectFrom("127.0.0.2");
    QTRY_COMPARE_WITH_TIMEOUT(took.size(), 2, 5000);
    QCOMPARE(took.last(), QStringLiteral("a<-127.0.0.2"));
    // A plate that gave up waiting hands nobody anything.
    server.stopWaiting(QHostAddress(QStringLiteral("127.0.0.4")));
    auto third = connectFrom("127.0.0.4");
    QVERIFY(closedByServer(*third));
    QCOMPARE(took.size(), 2);
}

void TestPictureServer::nextRequestClosesAfterEveryByte() {
    PictureServer server;
    QVERIFY(server.startPictureServer(kPort).isEmpty());
    QSignalSpy served(&server, &PictureServer::plateConnected);
    server.prepareRequest(QHostAddress(QStringLiteral("127.0.0.2")));
    auto plate = connectFrom("127.0.0.2");
    QVERIFY(served.wait(5000));

    // More than the connection holds while the plate does not read.
    QByteArray picture(3 * 1024 * 1024, '\0');
    for (qsizetype i = 0; i < picture.size(); ++i)
        picture[i] = char(i * 7 + i / 251);
    QPointer<QTcpSocket> connection = served[0][0].value<QTcpSocket *>();
    connection->write(picture);
    QTRY_COMPARE_WITH_TIMEOUT(connection->bytesToWrite(), qint64(0), 10000);

    server.prepareRequest(QHostAddress(QStringLiteral("127.0.0.4")));
    QTRY_VERIFY(!connection); // closed, and let go
    QByteArray received;
    while (received.size() < picture.size() && plate->waitForReadyRead(5000))
        received += plate->readAll();
    QCOMPARE(received.size(), picture.size());
    QVERIFY(received == picture);
    QVERIFY(closedByServer(*plate));
}

void TestPictureServer::waitingConnectionIsTakenOnDemand() {
    PictureServer server;
    QVERIFY(server.startPictureServer(kPort).isEmpty());
    QSignalSpy served(&server, &PictureServer::plateConnected);
    server.prepareRequest(QHostAddress(QStringLiteral("127.0.0.2")));
    auto plate = connectFrom("127.0.0.2");
    // The system completed the connection; the event loop has not seen it.
    QVERIFY(plate->waitForConnected(5000));
    QCOMPARE(served.size(), 0);
    server.acceptWaiting();
    QCOMPARE(served.size(), 1);
}

void TestPictureServer::acceptErrorCode_data() {
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("lastError");
    QTest::addColumn<int>("code");
#ifndef _WIN32
    QTest::newRow("own code kept") << int(QAbstractSocket::SocketResourceError) << ENFILE << ENFILE;
    QTest::newRow("code lost") << int(QAbstractSocket::SocketResourceError) << 0 << EMFILE;
    QTest::newRow("code of something else")
        << int(QAbstractSocket::SocketResourceError) << EACCES << EMFILE;
    QTest::newRow("access") << int(QAbstractSocket::SocketAccessError) << EPERM << EPERM;
    QTest::newRow("aborted") << int(QAbstractSocket::NetworkError) << 0 << ECONNABORTED;
    QTest::newRow("unknown") << int(QAbstractSocket::UnknownSocketError) << 77 << 77;
#endif
}

void TestPictureServer::acceptErrorCode() {
#ifdef _WIN32
    QSKIP("the table holds POSIX codes");
#endif
    QFETCH(int, error);
    QFETCH(int, lastError);
    QFETCH(int, code);
    QCOMPARE(delvora::acceptErrorCode(QAbstractSocket::SocketError(error), lastError), code);
}

void TestPictureServer::acceptFailureEndsTheServer() {
#ifndef Q_OS_LINUX
    QSKIP("needs a descriptor limit to make accept fail");
#else
    PictureServer server;
    QVERIFY(server.startPictureServer(kPort).isEmpty());
    server.prepareRequest(QHostAddress(QStringLiteral("127.0.0.2")));
    QTcpSocket plate;
    QVERIFY(plate.bind(QHostAddress(QStringLiteral("127.0.0.2")), 0));

    // No descriptor is left for the accepted connection.
    rlimit saved;
    QCOMPARE(getrlimit(RLIMIT_NOFILE, &saved), 0);
    const int lowestFree = ::open("/dev/null", O_RDONLY);
    QVERIFY(lowestFree >= 0);
    ::close(lowestFree);
    rlimit tight = saved;
    tight.rlim_cur = rlim_t(lowestFree);
    QCOMPARE(setrlimit(RLIMIT_NOFILE, &tight), 0);
    QSignalSpy failed(&server, &PictureServer::acceptFailed);
    plate.connectToHost(QHostAddress::LocalHost, kPort);
    const bool reported = failed.wait(5000);
    setrlimit(RLIMIT_NOFILE, &saved);

    QVERIFY(reported);
    QCOMPARE(failed.size(), 1);
    QCOMPARE(failed[0][0].toInt(), EMFILE);
    QVERIFY(!server.isListening());
    QTcpSocket late;
    late.connectToHost(QHostAddress::LocalHost, kPort);
    QVERIFY(!late.waitForConnected(5000));
#endif
}

QTEST_MAIN(TestPictureServer)
#include "test_pictureserver.moc"
