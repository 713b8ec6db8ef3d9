#include "tests/support/ServerSocket.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <cstring>

namespace testsupport {

namespace {

const DWORD kSendLimitMs = 5000;

bool waitReadable(SOCKET handle, int timeoutMs)
{
    fd_set ready;
    FD_ZERO(&ready);
    FD_SET(handle, &ready);
    timeval limit;
    limit.tv_sec = timeoutMs / 1000;
    limit.tv_usec = (timeoutMs % 1000) * 1000;
    return select(0, &ready, nullptr, nullptr, &limit) > 0;
}

sockaddr_in loopback(int port)
{
    sockaddr_in address;
    std::memset(&address, 0, sizeof(address));
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<u_short>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

} // namespace

bool ServerSocket::startup()
{
    WSADATA data;
    return WSAStartup(MAKEWORD(2, 2), &data) == 0;
}

void ServerSocket::cleanup()
{
    WSACleanup();
}

intptr_t ServerSocket::listenLoopback(int backlog, int& port)
{
    SOCKET handle = ::socket(AF_INET, SOCK_STREAM, 0);
    if (handle == INVALID_SOCKET)
        return kNone;
    sockaddr_in address = loopback(0);
    int length = sizeof(address);
    if (bind(handle, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
        listen(handle, backlog) != 0 ||
        getsockname(handle, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        closesocket(handle);
        return kNone;
    }
    port = ntohs(address.sin_port);
    return static_cast<intptr_t>(handle);
}

intptr_t ServerSocket::accept(intptr_t listener, int timeoutMs)
{
    if (!waitReadable(static_cast<SOCKET>(listener), timeoutMs))
        return kNone;
    SOCKET handle = ::accept(static_cast<SOCKET>(listener), nullptr, nullptr);
    if (handle == INVALID_SOCKET)
        return kNone;
    // sendAll relies on a blocking socket; say so rather than rely on what
    // the accepted socket inherits from the listener.
    u_long blocking = 0;
    ioctlsocket(handle, FIONBIO, &blocking);
    // A client that neither reads nor closes must not hang the server.
    DWORD limitMs = kSendLimitMs;
    setsockopt(handle, SOL_SOCKET, SO_SNDTIMEO, reinterpret_cast<const char*>(&limitMs), sizeof(limitMs));
    return static_cast<intptr_t>(handle);
}

int ServerSocket::receive(intptr_t socket, char* buffer, int size, int timeoutMs)
{
    if (!waitReadable(static_cast<SOCKET>(socket), timeoutMs))
        return -1;
    int received = ::recv(static_cast<SOCKET>(socket), buffer, size, 0);
    return received == SOCKET_ERROR ? -2 : received;
}

bool ServerSocket::sendAll(intptr_t socket, const char* data, size_t size)
{
    while (size > 0) {
        int piece = size > 0x100000 ? 0x100000 : static_cast<int>(size);
        int sent = ::send(static_cast<SOCKET>(socket), data, piece, 0);
        if (sent == SOCKET_ERROR || sent == 0)
            return false;
        data += sent;
        size -= static_cast<size_t>(sent);
    }
    return true;
}

void ServerSocket::shutdownSend(intptr_t socket)
{
    ::shutdown(static_cast<SOCKET>(socket), SD_SEND);
}

void ServerSocket::close(intptr_t socket)
{
    closesocket(static_cast<SOCKET>(socket));
}

int ServerSocket::unusedPort()
{
    int port = 0;
    intptr_t handle = listenLoopback(1, port);
    if (handle == kNone)
        return 0;
    closesocket(static_cast<SOCKET>(handle));
    return port;
}

} // namespace testsupport
