#pragma once

#include <QAbstractSocket>
#include <QtGlobal>

namespace delvora {

// The platform's own sockets where Qt hides what the operator is to be told: the picture
// server's socket is bound and put to listening here, so that a failure names its step and
// the platform's error code (errno, or the Winsock code on Windows).
struct ListenSocket {
    enum Step { Listening, BindFailed, ListenFailed };
    Step step = BindFailed;
    int error = 0;           // the platform's code of the failure
    qintptr descriptor = -1; // a listening socket when step is Listening, else closed
};

// A TCP socket over IPv4 bound to every local address on `port`, listening with `backlog`.
// A socket that cannot even be created counts as a failed bind.
ListenSocket openListenSocket(quint16 port, int backlog);

// Closes a socket that OpenListenSocket gave out.
void closeListenSocket(qintptr descriptor);

// The platform's last socket error code of this thread.
int lastSocketError();

// The platform code for a failed accept that Qt reports as `error`: `lastError` when it is a
// code Qt sorts into that group (it is then the accept's own code), else the usual code of the
// group (0 when the group has none).
int acceptErrorCode(QAbstractSocket::SocketError error, int lastError);

} // namespace delvora
