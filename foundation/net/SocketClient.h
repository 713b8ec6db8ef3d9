#pragma once

#include "foundation/net/SocketSettings.h"
#include "foundation/text/String.h"

#include <chrono>
#include <cstdint>

// A TCP client for one exchange: open, write the request, read until the peer
// closes, close. Every wait is bounded by the settings' time-outs, the
// exchange deadline and the abort flag. Failures are recorded as a numbered
// code (errorText) and the platform's error, and close the socket.
class SocketClient
{
public:
    enum Error
    {
        kNoError = 0,
        kInitFailed = 1,
        kCreateFailed = 2,
        kDetectHostFailed = 3,
        kConnectFailed = 4,
        kWriteParamsIncorrect = 5,
        kWriteFailed = 6,
        kWriteTimeout = 7,
        kReadParamsIncorrect = 8,
        kReadFailed = 9,
        kReadBufferFull = 10,
        kReadTimeout = 11,
        kAlreadyOpen = 12,
        kNotInit = 13,
        kNotOpen = 14,
        kDeadlineElapsed = 15,
        kAborted = 16,
    };

    // Host names of this many UTF-8 bytes or more are refused.
    static constexpr int kHostBufferSize = 256;

    explicit SocketClient(const SocketSettings& settings);
    virtual ~SocketClient();
    SocketClient(const SocketClient&) = delete;
    SocketClient& operator=(const SocketClient&) = delete;

    bool open();
    // Sends every byte; false on failure.
    bool write(const uint8_t* data, int length);
    // Receives until the peer closes; the number of bytes, or -1 on failure.
    // An answer of exactly capacity bytes fits; one byte more is
    // kReadBufferFull.
    int read(uint8_t* buffer, int capacity);
    void close();

    bool isOpen() const;
    bool hasError() const { return m_errorCode != kNoError || m_systemError != 0; }
    int errorCode() const { return m_errorCode; }
    int systemError() const { return m_systemError; }
    const SocketSettings& settings() const { return m_settings; }

    static String errorText(int code);

    // Sends every connection made from now on to this address and port, for
    // whatever host it asks; what is written (the Host header too) stays as
    // it is. Test runs of the program set it once at start-up, before any
    // worker thread exists, so that their outside traffic reaches a local
    // stand-in. A port outside 1-65535 or an empty address clears it.
    static void redirectAllTo(const String& address, int port);
    static bool isRedirected();

private:
    enum class Wait
    {
        kReady,
        kTimedOut,
        kDeadlineElapsed,
        kAborted,
        kFailed
    };
    using Clock = std::chrono::steady_clock;

    bool fail(int code);
    bool failWith(int code, int systemError);
    bool failWait(Wait wait, int timeoutCode, int failureCode);
    bool hostIsUsable(const uint8_t* host, int length) const;
    bool connectTo(uint32_t address, int port);
    Wait waitReady(bool forWrite, int timeoutMs) const;
    // Receives up to length bytes once data is there; 0 when the peer closed,
    // -1 on failure (recorded).
    int receiveSome(uint8_t* buffer, int length);

    SocketSettings m_settings;
    intptr_t m_socket;
    bool m_connected = false;
    int m_errorCode = kNoError;
    int m_systemError = 0;
    bool m_hasDeadline = false;
    Clock::time_point m_deadline;
};
