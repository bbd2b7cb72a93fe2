#include "net/listensocket.h"

#include <array>

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace delvora {

namespace {

#ifdef _WIN32
using Native = SOCKET;
constexpr Native kInvalid = INVALID_SOCKET;
void closeNative(Native s) {
    closesocket(s);
}
Native createNative() {
    // Qt may not have started Winsock yet; the count is balanced by the process's end.
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    return WSASocketW(AF_INET, SOCK_STREAM, IPPROTO_TCP, nullptr, 0,
                      WSA_FLAG_OVERLAPPED | WSA_FLAG_NO_HANDLE_INHERIT);
}
#else
using Native = int;
constexpr Native kInvalid = -1;
void closeNative(Native s) {
    ::close(s);
}
Native createNative() {
    const Native s = ::socket(AF_INET, SOCK_STREAM, 0);
    if (s == kInvalid)
        return s;
    ::fcntl(s, F_SETFD, FD_CLOEXEC);
    // Windows binds a port whose last connections still linger in TIME_WAIT; do the same, so
    // that a restart soon after an update finds its port.
    const int on = 1;
    ::setsockopt(s, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    return s;
}
#endif

// The accept failures as Qt groups them, each with the platform codes behind the group; the
// first code is the usual one, 0 ends the list.
struct AcceptGroup {
    QAbstractSocket::SocketError error;
    std::array<int, 6> codes;
};

#ifdef _WIN32
const AcceptGroup kAcceptGroups[] = {
    {QAbstractSocket::SocketResourceError, {WSAEMFILE, WSAENOBUFS, WSAENOTSOCK, WSAEFAULT}},
    {QAbstractSocket::SocketAccessError, {WSAEACCES}},
    {QAbstractSocket::NetworkError, {WSAECONNRESET, WSAENETDOWN, WSAECONNABORTED}},
    {QAbstractSocket::UnsupportedSocketOperationError, {WSAEINVAL, WSAEOPNOTSUPP}},
    {QAbstractSocket::TemporaryError, {WSAEWOULDBLOCK}},
};
#else
const AcceptGroup kAcceptGroups[] = {
    {QAbstractSocket::SocketResourceError, {EMFILE, ENFILE, ENOBUFS, ENOMEM, ENOTSOCK, EFAULT}},
    {QAbstractSocket::SocketAccessError, {EACCES, EPERM}},
    {QAbstractSocket::NetworkError, {ECONNABORTED}},
    {QAbstractSocket::UnsupportedSocketOperationError,
     {EINVAL, EBADF, EOPNOTSUPP, EPROTO, EPROTONOSUPPORT, EAFNOSUPPORT}},
    {QAbstractSocket::TemporaryError, {EAGAIN, EWOULDBLOCK}},
};
#endif

} // namespace

int lastSocketError() {
#ifdef _WIN32
    return WSAGetLastError();
#else
    return errno;
#endif
}

ListenSocket openListenSocket(quint16 port, int backlog) {
    ListenSocket out;
    const Native s = createNative();
    if (s == kInvalid) {
        out.error = lastSocketError();
        return out;
    }
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_ANY);
    if (::bind(s, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
        out.error = lastSocketError();
        closeNative(s);
        return out;
    }
    if (::listen(s, backlog) != 0) {
        out.step = ListenSocket::ListenFailed;
        out.error = lastSocketError();
        closeNative(s);
        return out;
    }
    out.step = ListenSocket::Listening;
    out.descriptor = qintptr(s);
    return out;
}

void closeListenSocket(qintptr descriptor) {
    closeNative(Native(descriptor));
}

int acceptErrorCode(QAbstractSocket::SocketError error, int lastError) {
    if (error == QAbstractSocket::UnknownSocketError)
        return lastError;
    for (const AcceptGroup &group : kAcceptGroups) {
        if (group.error != error)
            continue;
        for (int code : group.codes)
            if (code != 0 && code == lastError)
                return lastError;
        return group.codes[0];
    }
    return 0;
}

} // namespace delvora
