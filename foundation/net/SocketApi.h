#pragma once

#include <cstdint>

// The few operating-system socket calls that SocketClient needs: Winsock 2 in
// the Windows build, BSD sockets natively. The two differ only in start-up,
// error codes and closing, so this layer stays thin and SocketClient keeps all
// the logic.
//
// Every socket made here is non-blocking: SocketClient waits for readiness
// itself, so that each call can honour a time-out, the exchange deadline and an
// abort request. Handles travel as intptr_t; kNoSocket means none.
class SocketApi
{
public:
    static constexpr intptr_t kNoSocket = -1;

    // Results of waitReady.
    static constexpr int kWaitFailed = -1;
    static constexpr int kWaitTimedOut = 0;
    static constexpr int kWaitReady = 1;

    // Results of startConnect.
    static constexpr int kConnectFailed = -1;
    static constexpr int kConnectDone = 0;
    static constexpr int kConnectPending = 1;

    static bool startup();
    static void cleanup();

    // The calling thread's last socket error (WSAGetLastError, errno).
    static int lastError();
    static bool isTimeoutError(int error);
    static bool isWouldBlockError(int error);
    // The platform's "timed out" code, recorded when our own waits run out.
    static int timeoutError();

    // A non-blocking IPv4 TCP socket, or kNoSocket.
    static intptr_t createTcpSocket();
    // SO_RCVBUF of the socket; 0 when it cannot be read.
    static int receiveBufferSize(intptr_t socket);

    // A dotted IPv4 address is taken as it is; anything else is looked up.
    // The address comes back in network byte order.
    static bool resolveIPv4(const char* host, uint32_t& address);

    static int startConnect(intptr_t socket, uint32_t address, int port);
    // The pending error of a finished non-blocking connect (0 = connected).
    static int connectError(intptr_t socket);

    // Waits until the socket can be read (or written); a time-out below 0
    // waits without limit. A failed connect counts as writable.
    static int waitReady(intptr_t socket, bool forWrite, int timeoutMs);

    // Bytes moved, or -1 with lastError set; receive gives 0 when the peer
    // has closed.
    static int send(intptr_t socket, const uint8_t* data, int length);
    static int receive(intptr_t socket, uint8_t* buffer, int length);

    static void shutdownBoth(intptr_t socket);
    static void close(intptr_t socket);
};
