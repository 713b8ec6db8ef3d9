#pragma once

#include <cstddef>
#include <cstdint>

namespace testsupport {

// The socket calls of the test servers (TestHttpServer), kept apart from the
// product's socket layer so that tests never lean on the code they test.
// Sockets are blocking; waits take a time-out in milliseconds.
class ServerSocket
{
public:
    static constexpr intptr_t kNone = -1;

    static bool startup();
    static void cleanup();

    // A socket listening on 127.0.0.1 at a free port chosen by the system.
    static intptr_t listenLoopback(int backlog, int& port);
    // The next connection, or kNone when none arrived within the time.
    static intptr_t accept(intptr_t listener, int timeoutMs);
    // Bytes received, 0 when the peer closed, -1 when nothing came within the
    // time, -2 on failure.
    static int receive(intptr_t socket, char* buffer, int size, int timeoutMs);
    // False when the peer went away before every byte was out.
    static bool sendAll(intptr_t socket, const char* data, size_t size);
    static void shutdownSend(intptr_t socket);
    static void close(intptr_t socket);

    // A loopback port on which nothing listens (bound, then released).
    static int unusedPort();
};

} // namespace testsupport
