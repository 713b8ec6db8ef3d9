#pragma once

#include "foundation/text/String.h"

#include <atomic>
#include <cstdint>

// How a SocketClient connects and how long it may wait. A default value is all
// zero with an empty host: no time limits at all.
struct SocketSettings
{
    // Longest wait for each receive or send, in seconds; 0 = no limit of its own.
    int32_t receiveTimeout = 0;
    int32_t sendTimeout = 0;
    // A dotted IPv4 address or a host name.
    String host;
    int32_t port = 0;
    // Bytes asked for per receive call; 0 = the socket's receive buffer size,
    // taken when the socket is opened.
    int32_t receiveChunkSize = 0;
    // Longest wait for the connection to be accepted, in milliseconds; 0 = as
    // long as the system tries.
    int32_t connectTimeoutMs = 0;
    // Longest time for the whole exchange, from open to the end of the answer,
    // in milliseconds; 0 = no limit. Keeps a peer that trickles bytes from
    // holding the caller forever.
    int32_t deadlineMs = 0;
    // When set and raised by another thread, every wait ends with "Aborted.".
    const std::atomic<bool>* abortFlag = nullptr;
};
