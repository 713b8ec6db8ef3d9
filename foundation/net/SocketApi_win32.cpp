#include "foundation/net/SocketApi.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <cstring>

bool SocketApi::startup()
{
    WSADATA data;
    return WSAStartup(MAKEWORD(2, 2), &data) == 0;
}

void SocketApi::cleanup()
{
    WSACleanup();
}

int SocketApi::lastError()
{
    return WSAGetLastError();
}

bool SocketApi::isTimeoutError(int error)
{
    return error == WSAETIMEDOUT;
}

bool SocketApi::isWouldBlockError(int error)
{
    return error == WSAEWOULDBLOCK || error == WSAEINTR;
}

int SocketApi::timeoutError()
{
    return WSAETIMEDOUT;
}

intptr_t SocketApi::createTcpSocket()
{
    SOCKET handle = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (handle == INVALID_SOCKET)
        return kNoSocket;
    u_long nonBlocking = 1;
    if (ioctlsocket(handle, FIONBIO, &nonBlocking) != 0) {
        int error = WSAGetLastError();
        closesocket(handle);
        WSASetLastError(error);
        return kNoSocket;
    }
    return static_cast<intptr_t>(handle);
}

int SocketApi::receiveBufferSize(intptr_t socket)
{
    int size = 0;
    int length = sizeof(size);
    if (getsockopt(static_cast<SOCKET>(socket), SOL_SOCKET, SO_RCVBUF, reinterpret_cast<char*>(&size),
                   &length) != 0)
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
        WSASetLastError(result != 0 ? result : WSAHOST_NOT_FOUND);
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
    target.sin_port = htons(static_cast<u_short>(port));
    target.sin_addr.s_addr = address;
    if (::connect(static_cast<SOCKET>(socket), reinterpret_cast<sockaddr*>(&target), sizeof(target)) == 0)
        return kConnectDone;
    return WSAGetLastError() == WSAEWOULDBLOCK ? kConnectPending : kConnectFailed;
}

int SocketApi::connectError(intptr_t socket)
{
    int error = 0;
    int length = sizeof(error);
    if (getsockopt(static_cast<SOCKET>(socket), SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error),
                   &length) != 0)
        return WSAGetLastError();
    return error;
}

int SocketApi::waitReady(intptr_t socket, bool forWrite, int timeoutMs)
{
    SOCKET handle = static_cast<SOCKET>(socket);
    fd_set ready;
    fd_set failed;
    FD_ZERO(&ready);
    FD_ZERO(&failed);
    FD_SET(handle, &ready);
    // Winsock reports a failed connect in the exception set, not as writable.
    FD_SET(handle, &failed);
    timeval limit;
    limit.tv_sec = timeoutMs / 1000;
    limit.tv_usec = (timeoutMs % 1000) * 1000;
    int result = select(0, forWrite ? nullptr : &ready, forWrite ? &ready : nullptr, &failed,
                        timeoutMs < 0 ? nullptr : &limit);
    if (result > 0)
        return kWaitReady;
    return result == 0 ? kWaitTimedOut : kWaitFailed;
}

int SocketApi::send(intptr_t socket, const uint8_t* data, int length)
{
    int sent = ::send(static_cast<SOCKET>(socket), reinterpret_cast<const char*>(data), length, 0);
    return sent == SOCKET_ERROR ? -1 : sent;
}

int SocketApi::receive(intptr_t socket, uint8_t* buffer, int length)
{
    int received = ::recv(static_cast<SOCKET>(socket), reinterpret_cast<char*>(buffer), length, 0);
    return received == SOCKET_ERROR ? -1 : received;
}

void SocketApi::shutdownBoth(intptr_t socket)
{
    ::shutdown(static_cast<SOCKET>(socket), SD_BOTH);
}

void SocketApi::close(intptr_t socket)
{
    closesocket(static_cast<SOCKET>(socket));
}
