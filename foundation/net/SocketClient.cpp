#include "foundation/net/SocketClient.h"

#include "foundation/net/Network.h"
#include "foundation/net/SocketApi.h"
#include "foundation/text/ByteArray.h"

#include <algorithm>
#include <cstring>

namespace {

// How often a wait looks at the abort flag.
const int kAbortPollMs = 50;

const char16_t* const kErrorTexts[] = {
    u"No error.",
    u"Init failed.",
    u"Create failed.",
    u"Detect host failed.",
    u"Connect failed.",
    u"Write params is incorrect.",
    u"Write failed.",
    u"Write timeout elapsed.",
    u"Read params is incorrect.",
    u"Read failed.",
    u"Read buffer is full.",
    u"Read timeout elapsed.",
    u"Already open.",
    u"Not init.",
    u"Not open.",
    u"Deadline elapsed.",
    u"Aborted.",
};

const int kErrorTextCount = static_cast<int>(sizeof(kErrorTexts) / sizeof(kErrorTexts[0]));

// Milliseconds left until a point in time, rounded up so that a wait never
// ends just before it.
long long millisecondsUntil(std::chrono::steady_clock::time_point end)
{
    auto left = std::chrono::ceil<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
    return left.count();
}

struct Redirect
{
    String address;
    int port = 0;
};

Redirect& redirect()
{
    static Redirect target;
    return target;
}

} // namespace

void SocketClient::redirectAllTo(const String& address, int port)
{
    const bool usable = !address.isEmpty() && port >= 1 && port <= 65535;
    redirect().address = usable ? address : String();
    redirect().port = usable ? port : 0;
}

bool SocketClient::isRedirected()
{
    return redirect().port != 0;
}

SocketClient::SocketClient(const SocketSettings& settings)
    : m_settings(settings), m_socket(SocketApi::kNoSocket)
{
    if (!Network::instance().addSocket())
        m_errorCode = kInitFailed;
}

SocketClient::~SocketClient()
{
    close();
    Network::instance().removeSocket();
}

bool SocketClient::open()
{
    m_errorCode = kNoError;
    m_systemError = 0;
    if (!Network::instance().isStarted())
        return failWith(kNotInit, 0);
    if (m_socket != SocketApi::kNoSocket && m_connected)
        return failWith(kAlreadyOpen, 0);
    close();

    m_hasDeadline = m_settings.deadlineMs > 0;
    m_deadline = Clock::now() + std::chrono::milliseconds(m_settings.deadlineMs);

    m_socket = SocketApi::createTcpSocket();
    if (m_socket == SocketApi::kNoSocket)
        return fail(kCreateFailed);
    if (m_settings.receiveChunkSize == 0)
        m_settings.receiveChunkSize = SocketApi::receiveBufferSize(m_socket);

    const bool redirected = isRedirected();
    ByteArray host = (redirected ? redirect().address : m_settings.host).toUtf8();
    if (!hostIsUsable(host.data(), host.size()))
        return failWith(kDetectHostFailed, 0);
    char hostBuffer[kHostBufferSize];
    std::memset(hostBuffer, 0, sizeof(hostBuffer));
    std::memcpy(hostBuffer, host.data(), static_cast<size_t>(host.size()));
    uint32_t address = 0;
    if (!SocketApi::resolveIPv4(hostBuffer, address))
        return fail(kDetectHostFailed);
    if (!connectTo(address, redirected ? redirect().port : m_settings.port))
        return false;
    m_connected = true;
    return true;
}

// The host must fit the lookup buffer with its terminator, and a name taken
// from a web page must not smuggle line breaks or a terminator into it.
bool SocketClient::hostIsUsable(const uint8_t* host, int length) const
{
    if (host == nullptr || length < 1 || length >= kHostBufferSize)
        return false;
    for (int i = 0; i < length; ++i) {
        if (host[i] == '\0' || host[i] == '\r' || host[i] == '\n')
            return false;
    }
    return true;
}

bool SocketClient::connectTo(uint32_t address, int port)
{
    if (port < 1 || port > 65535)
        return failWith(kConnectFailed, 0);
    int started = SocketApi::startConnect(m_socket, address, port);
    if (started == SocketApi::kConnectFailed)
        return fail(kConnectFailed);
    if (started == SocketApi::kConnectDone)
        return true;
    Wait wait = waitReady(true, m_settings.connectTimeoutMs);
    if (wait != Wait::kReady)
        return failWait(wait, kConnectFailed, kConnectFailed);
    int error = SocketApi::connectError(m_socket);
    if (error != 0)
        return failWith(kConnectFailed, error);
    return true;
}

bool SocketClient::write(const uint8_t* data, int length)
{
    if (!isOpen())
        return failWith(kNotOpen, 0);
    if (data == nullptr || length < 1)
        return failWith(kWriteParamsIncorrect, 0);
    int sent = 0;
    while (sent < length) {
        Wait wait = waitReady(true, m_settings.sendTimeout * 1000);
        if (wait != Wait::kReady)
            return failWait(wait, kWriteTimeout, kWriteFailed);
        int count = SocketApi::send(m_socket, data + sent, length - sent);
        if (count > 0) {
            sent += count;
            continue;
        }
        int error = SocketApi::lastError();
        if (count < 0 && SocketApi::isWouldBlockError(error))
            continue;
        return failWith(SocketApi::isTimeoutError(error) ? kWriteTimeout : kWriteFailed, error);
    }
    return true;
}

int SocketClient::read(uint8_t* buffer, int capacity)
{
    if (!isOpen()) {
        failWith(kNotOpen, 0);
        return -1;
    }
    if (buffer == nullptr || m_settings.receiveChunkSize < 1 || capacity < 1) {
        failWith(kReadParamsIncorrect, 0);
        return -1;
    }
    int received = 0;
    for (;;) {
        int room = capacity - received;
        if (room == 0) {
            // The buffer is exactly full: the answer fits only when the
            // peer has nothing more to send.
            uint8_t probe = 0;
            int extra = receiveSome(&probe, 1);
            if (extra < 0)
                return -1;
            if (extra > 0) {
                failWith(kReadBufferFull, 0);
                return -1;
            }
            return received;
        }
        int count = receiveSome(buffer + received, std::min(room, m_settings.receiveChunkSize));
        if (count < 0)
            return -1;
        if (count == 0)
            return received;
        received += count;
    }
}

int SocketClient::receiveSome(uint8_t* buffer, int length)
{
    for (;;) {
        Wait wait = waitReady(false, m_settings.receiveTimeout * 1000);
        if (wait != Wait::kReady) {
            failWait(wait, kReadTimeout, kReadFailed);
            return -1;
        }
        int count = SocketApi::receive(m_socket, buffer, length);
        if (count >= 0)
            return count;
        int error = SocketApi::lastError();
        if (SocketApi::isWouldBlockError(error))
            continue;
        failWith(SocketApi::isTimeoutError(error) ? kReadTimeout : kReadFailed, error);
        return -1;
    }
}

SocketClient::Wait SocketClient::waitReady(bool forWrite, int timeoutMs) const
{
    bool hasCallEnd = timeoutMs > 0;
    Clock::time_point callEnd = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (m_settings.abortFlag != nullptr && m_settings.abortFlag->load())
            return Wait::kAborted;
        long long slice = -1;
        if (m_hasDeadline) {
            slice = millisecondsUntil(m_deadline);
            if (slice <= 0)
                return Wait::kDeadlineElapsed;
        }
        if (hasCallEnd) {
            long long left = millisecondsUntil(callEnd);
            if (left <= 0)
                return Wait::kTimedOut;
            slice = slice < 0 ? left : std::min(slice, left);
        }
        if (m_settings.abortFlag != nullptr)
            slice = slice < 0 ? kAbortPollMs : std::min<long long>(slice, kAbortPollMs);
        int result = SocketApi::waitReady(m_socket, forWrite, static_cast<int>(slice));
        if (result == SocketApi::kWaitReady)
            return Wait::kReady;
        if (result == SocketApi::kWaitFailed)
            return Wait::kFailed;
    }
}

void SocketClient::close()
{
    if (m_socket != SocketApi::kNoSocket) {
        if (m_connected)
            SocketApi::shutdownBoth(m_socket);
        SocketApi::close(m_socket);
    }
    m_socket = SocketApi::kNoSocket;
    m_connected = false;
}

bool SocketClient::isOpen() const
{
    return Network::instance().isStarted() && m_socket != SocketApi::kNoSocket && m_connected;
}

String SocketClient::errorText(int code)
{
    if (code < 0 || code >= kErrorTextCount)
        return String(u"Unknown error.");
    return String(kErrorTexts[code]);
}

bool SocketClient::fail(int code)
{
    return failWith(code, SocketApi::lastError());
}

bool SocketClient::failWith(int code, int systemError)
{
    m_errorCode = code;
    m_systemError = systemError;
    close();
    return false;
}

bool SocketClient::failWait(Wait wait, int timeoutCode, int failureCode)
{
    switch (wait) {
    case Wait::kTimedOut:
        return failWith(timeoutCode, SocketApi::timeoutError());
    case Wait::kDeadlineElapsed:
        return failWith(kDeadlineElapsed, SocketApi::timeoutError());
    case Wait::kAborted:
        return failWith(kAborted, 0);
    default:
        return fail(failureCode);
    }
}
