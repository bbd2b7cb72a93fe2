// Arbitrary datagrams sent over loopback to the program's datagram socket, from plates on
// 127.0.0.2-4 and from the host itself (127.0.0.1), some while an ID change awaits its answer.
// Every datagram must be handled as a plain second reading of the rules says: the host's own,
// empty and oversized ones are dropped; of the rest, only as many per address count as that
// address was asked (probes and ID changes), the others are dropped; the awaited plate's answer
// ends the wait with the right result, and any other answer lists a plate only when its ID is 0
// to 9999 — at the sender's address, one row per address, so that the board always names
// the latest sender of each ID.
//
// The input is a list of commands: a byte c, then
//   c & 0x80: an ID change sent to plate (next byte & 3), the new ID in the next two bytes;
//   c & 0x40: a probe sent to plate (c & 3);
//   else:     a datagram from plate (c & 3), its length in the next two bytes (& 0x7FF), then
//             that many bytes (fewer when the input ends).
#include "fuzzsupport.h"

#include "net/plateboard.h"
#include "net/platedatagrams.h"
#include "net/platereply.h"
#include "net/platesocket.h"

#include <QCoreApplication>
#include <QMap>
#include <QSet>
#include <array>
#include <memory>
#include <optional>

using namespace delvora;
using delvora::fuzz::fail;

namespace {

constexpr int kSenders = 4; // 127.0.0.1 (the host) and three plates

struct Bench {
    PlateSocket receiver;
    std::array<std::unique_ptr<QUdpSocket>, kSenders> senders;
    PlateBoard board;

    std::optional<PlateReply> reply;
    std::optional<int> idResult;
    int emitted = 0;
};

Bench *bench = nullptr;
qint64 now = 0; // the socket's clock: every input starts after all earlier questions expired

QHostAddress senderAddress(int index) {
    return QHostAddress(QStringLiteral("127.0.0.%1").arg(index + 1));
}

void start() {
    fuzz::startApplication<QCoreApplication>();
    bench = new Bench;
    // The program binds the plate port; any port takes the same path and stays clear of a
    // running program or test.
    if (!bench->receiver.bind(QHostAddress(QStringLiteral("127.0.0.1")), 0))
        fail("binding the receiving socket", bench->receiver.errorString());
    bench->receiver.setHostAddress(senderAddress(0));
    bench->receiver.setClock([] { return now; });
    for (int i = 0; i < kSenders; ++i) {
        bench->senders[size_t(i)] = std::make_unique<QUdpSocket>();
        if (!bench->senders[size_t(i)]->bind(senderAddress(i), 0))
            fail("binding a sender", bench->senders[size_t(i)]->errorString());
    }
    QObject::connect(&bench->receiver, &PlateSocket::plateReply, [](const PlateReply &r) {
        ++bench->emitted;
        bench->reply = r;
        bench->board.answer(r.sender.toString(), QString::number(r.plateId));
    });
    QObject::connect(&bench->receiver, &PlateSocket::idChangeResult, [](int result) {
        ++bench->emitted;
        bench->idResult = result;
    });
}

// The ID a plate's answer carries: its first four bytes, little-endian, missing ones zero.
qint64 answerId(const QByteArray &d) {
    quint32 v = 0;
    for (int i = 0; i < 4; ++i)
        v |= quint32(i < d.size() ? uchar(d[i]) : 0) << (8 * i);
    return qint32(v);
}

void deliver(int from, const QByteArray &datagram) {
    QUdpSocket &sender = *bench->senders[size_t(from)];
    const qint64 sent =
        sender.writeDatagram(datagram, bench->receiver.localAddress(), bench->receiver.localPort());
    if (sent != datagram.size())
        fail("sending a datagram", sender.errorString());
    // The socket reads every pending datagram as soon as it is told of one.
    if (!bench->receiver.waitForReadyRead(5000))
        fail("a datagram sent over loopback never arrived");
    if (bench->receiver.hasPendingDatagrams())
        fail("a datagram was left unread");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    start();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray input = fuzz::bytesOf(data, size);
    PlateSocket &rx = bench->receiver;
    rx.stopAwaitingIdAnswer();
    QHostAddress idPlate; // the plate whose ID answer is awaited, and the ID it must carry
    qint32 newId = 0;
    now += 60000;
    std::array<int, kSenders> asked = {}; // answers each sender may still give
    bench->board.clear();
    QMap<qint32, QString> latest; // ID -> the address the list must give for it
    QSet<int> listedFrom;         // senders with a row: one row per address

    qsizetype at = 0;
    auto next = [&]() -> int { return at < input.size() ? uchar(input[at++]) : 0; };
    while (at < input.size()) {
        const int c = next();
        if (c & 0x80) {
            const int plate = next() & 3;
            const int id = next() | (next() << 8);
            idPlate = senderAddress(plate);
            newId = id;
            rx.awaitIdAnswer(idPlate, newId);
            rx.expectAnswer(senderAddress(plate), 10000);
            ++asked[size_t(plate)];
            continue;
        }
        if (c & 0x40) {
            rx.expectAnswer(senderAddress(c & 3), 3000);
            ++asked[size_t(c & 3)];
            continue;
        }
        const int from = c & 3;
        const int length = (next() | (next() << 8)) & 0x7FF;
        const QByteArray datagram = input.mid(at, length);
        at += datagram.size();

        const bool wasWaiting = rx.isAwaitingIdAnswer();
        const bool fromHost = from == 0;
        const bool unread = fromHost || datagram.isEmpty() || datagram.size() > kMaxDatagram;
        const bool dropped = unread || asked[size_t(from)] == 0;
        if (!dropped)
            --asked[size_t(from)];
        const bool idAnswer = !dropped && wasWaiting && senderAddress(from) == idPlate;
        const qint64 id = answerId(datagram);
        const bool listed = !dropped && !idAnswer && id >= 0 && id <= kMaxPlateId;

        bench->emitted = 0;
        bench->reply.reset();
        bench->idResult.reset();
        const int rowsBefore = bench->board.rowCount();
        deliver(from, datagram);

        const QString what = QStringLiteral("from 127.0.0.%1, %2 bytes: %3")
                                 .arg(from + 1)
                                 .arg(datagram.size())
                                 .arg(fuzz::escaped(datagram.left(16)));
        FUZZ_CHECK(bench->emitted == ((idAnswer || listed) ? 1 : 0), what);
        if (idAnswer) {
            FUZZ_CHECK(!rx.isAwaitingIdAnswer(), what);
            FUZZ_CHECK(bench->idResult == (id == newId ? IdChangeConfirmed : IdChangeOtherId),
                       what);
        } else {
            FUZZ_CHECK(rx.isAwaitingIdAnswer() == wasWaiting, what);
        }
        if (listed) {
            FUZZ_CHECK(bench->reply && bench->reply->plateId == id, what);
            FUZZ_CHECK(bench->reply->sender == senderAddress(from), what);
            // A sender that changed its ID no longer stands for the old one.
            for (auto it = latest.begin(); it != latest.end();)
                it =
                    it.value() == senderAddress(from).toString() ? latest.erase(it) : std::next(it);
            latest[qint32(id)] = senderAddress(from).toString();
        }
        const bool newRow = listed && !listedFrom.contains(from);
        if (listed)
            listedFrom.insert(from);
        FUZZ_CHECK(bench->board.rowCount() == rowsBefore + (newRow ? 1 : 0), what);
    }
    for (auto it = latest.cbegin(); it != latest.cend(); ++it)
        FUZZ_CHECK(bench->board.findAddress(QString::number(it.key())) == it.value(),
                   QStringLiteral("ID %1").arg(it.key()));
    QCoreApplication::sendPostedEvents();
    return 0;
}
