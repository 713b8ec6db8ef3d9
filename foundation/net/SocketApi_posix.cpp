#include "foundation/net/SocketApi.h"

#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>

bool SocketApi::startup()
{
    return true;
}

void SocketApi::cleanup() {}

int SocketApi::lastError()
{
    return errno;
}

bool SocketApi::isTimeoutError(int error)
{
    return error == ETIMEDOUT;
}

bool SocketApi::isWouldBlockError(int error)
{
    return error == EAGAIN || error == EWOULDBLOCK || error == EINTR;
}

int SocketApi::timeoutError()
{
    return ETIMEDOUT;
}

intptr_t SocketApi::createTcpSocket()
{
    int fd = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (fd < 0)
        return kNoSocket;
    int flags = fcntl(fd, F_GETFL, 0);
    if (flags < 0 || fcntl(fd, F_SETFL, flags | O_NONBLOCK) < 0 || fcntl(fd, F_SETFD, FD_CLOEXEC) < 0) {
        int error = errno;
        ::close(fd);
        errno = error;
        return kNoSocket;
    }
    return fd;
}

int SocketApi::receiveBufferSize(intptr_t socket)
{
    int size = 0;
    socklen_t length = sizeof(size);
    if (getsockopt(static_cast<int>(socket), SOL_SOCKET, SO_RCVBUF, &size, &length) != 0)
        return 0;
    return size;
}

bool SocketApi::resolveIPv4(const char* host, uint32_t& address)
{
    in_addr dotted;
    if (inet_pton(AF_INET, host, &dotted) == 1) {
        address = dotted.s_addr;
        return true;
    }
    addrinfo hints;
    std::memset(&hints, 0, sizeof(hints));
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    int result = getaddrinfo(host, nullptr, &hints, &found);
    if (result != 0 || found == nullptr) {
        errno = result == EAI_SYSTEM ? errno : EHOSTUNREACH;
        return false;
    }
    address = reinterpret_cast<sockaddr_in*>(found->ai_addr)->sin_addr.s_addr;
    freeaddrinfo(found);
    return true;
}

int SocketApi::startConnect(intptr_t socket, uint32_t address, int port)
{
    sockaddr_in target;
    std::memset(&target, 0, sizeof(target));
    target.sin_family = AF_INET;
    target.sin_port = htons(static_cast<uint16_t>(port));
    target.sin_addr.s_addr = address;
    if (::connect(static_cast<int>(socket), reinterpret_cast<sockaddr*>(&target), sizeof(target)) == 0)
        return kConnectDone;
    return errno == EINPROGRESS ? kConnectPending : kConnectFailed;
}

int SocketApi::connectError(intptr_t socket)
{
    int error = 0;
    socklen_t length = sizeof(error);
    if (getsockopt(static_cast<int>(socket), SOL_SOCKET, SO_ERROR, &error, &length) != 0)
        return errno;
    return error;
}

int SocketApi::waitReady(intptr_t socket, bool forWrite, int timeoutMs)
{
    pollfd entry;
    entry.fd = static_cast<int>(socket);
    entry.events = forWrite ? POLLOUT : POLLIN;
    entry.revents = 0;
    int result = poll(&entry, 1, timeoutMs < 0 ? -1 : timeoutMs);
    if (result > 0)
        return kWaitReady;
    if (result == 0 || errno == EINTR)
        return kWaitTimedOut;
    return kWaitFailed;
}

int SocketApi::send(intptr_t socket, const uint8_t* data, int length)
{
    // MSG_NOSIGNAL: a peer that went away must give an error, not SIGPIPE.
    ssize_t sent = ::send(static_cast<int>(socket), data, static_cast<size_t>(length), MSG_NOSIGNAL);
    return sent < 0 ? -1 : static_cast<int>(sent);
}

int SocketApi::receive(intptr_t socket, uint8_t* buffer, int length)
{
    ssize_t received = ::recv(static_cast<int>(socket), buffer, static_cast<size_t>(length), 0);
    return received < 0 ? -1 : static_cast<int>(received);
}

void SocketApi::shutdownBoth(intptr_t socket)
{
    ::shutdown(static_cast<int>(socket), SHUT_RDWR);
}

void SocketApi::close(intptr_t socket)
{
    ::close(static_cast<int>(socket));
}
