#include "tests/support/ServerSocket.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <cstring>

namespace testsupport {

namespace {

const int kSendLimitSeconds = 5;

bool waitReadable(int fd, int timeoutMs)
{
    pollfd entry;
    entry.fd = fd;
    entry.events = POLLIN;
    entry.revents = 0;
    return poll(&entry, 1, timeoutMs) > 0;
}

sockaddr_in loopback(int port)
{
    sockaddr_in address;
    std::memset(&address, 0, sizeof(address));
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

} // namespace

bool ServerSocket::startup()
{
    return true;
}

void ServerSocket::cleanup() {}

intptr_t ServerSocket::listenLoopback(int backlog, int& port)
{
    int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0)
        return kNone;
    sockaddr_in address = loopback(0);
    socklen_t length = sizeof(address);
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 || listen(fd, backlog) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        ::close(fd);
        return kNone;
    }
    port = ntohs(address.sin_port);
    return fd;
}

intptr_t ServerSocket::accept(intptr_t listener, int timeoutMs)
{
    if (!waitReadable(static_cast<int>(listener), timeoutMs))
        return kNone;
    int fd = ::accept(static_cast<int>(listener), nullptr, nullptr);
    if (fd < 0)
        return kNone;
    // A client that neither reads nor closes must not hang the server.
    timeval limit;
    limit.tv_sec = kSendLimitSeconds;
    limit.tv_usec = 0;
    setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof(limit));
    return fd;
}

int ServerSocket::receive(intptr_t socket, char* buffer, int size, int timeoutMs)
{
    if (!waitReadable(static_cast<int>(socket), timeoutMs))
        return -1;
    ssize_t received = ::recv(static_cast<int>(socket), buffer, static_cast<size_t>(size), 0);
    return received < 0 ? -2 : static_cast<int>(received);
}

bool ServerSocket::sendAll(intptr_t socket, const char* data, size_t size)
{
    while (size > 0) {
        ssize_t sent = ::send(static_cast<int>(socket), data, size, MSG_NOSIGNAL);
        if (sent <= 0)
            return false;
        data += sent;
        size -= static_cast<size_t>(sent);
    }
    return true;
}

void ServerSocket::shutdownSend(intptr_t socket)
{
    ::shutdown(static_cast<int>(socket), SHUT_WR);
}

void ServerSocket::close(intptr_t socket)
{
    ::close(static_cast<int>(socket));
}

int ServerSocket::unusedPort()
{
    int port = 0;
    intptr_t fd = listenLoopback(1, port);
    if (fd == kNone)
        return 0;
    ::close(static_cast<int>(fd));
    return port;
}

} // namespace testsupport
