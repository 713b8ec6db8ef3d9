#include "ui/core/automation/UIAutomationChannel.h"

#include "foundation/net/SocketApi.h"
#include "foundation/platform/ShellCallRecorder.h"
#include "ui/core/automation/UIAutomationRequests.h"

#include <cstdlib>

namespace {

std::unique_ptr<UIAutomationChannel>& current()
{
    static std::unique_ptr<UIAutomationChannel> channel;
    return channel;
}

} // namespace

int UIAutomationChannel::parsePort(const std::string& text)
{
    if (text.empty() || text.size() > 5)
        return 0;
    int port = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return 0;
        port = port * 10 + (c - '0');
    }
    return port >= 1 && port <= 65535 ? port : 0;
}

bool UIAutomationChannel::startFromEnvironment()
{
    if (current())
        return current()->isConnected();
    const char* variable = std::getenv("REELSTACK_AUTOMATION");
    int port = variable ? parsePort(variable) : 0;
    if (port == 0)
        return false;
    std::unique_ptr<UIAutomationChannel> channel(new UIAutomationChannel);
    if (!channel->connectTo(port))
        return false;
    current() = std::move(channel);
    return true;
}

void UIAutomationChannel::stop()
{
    current().reset();
}

UIAutomationChannel* UIAutomationChannel::instance()
{
    return current().get();
}

UIAutomationChannel::UIAutomationChannel()
    : m_socket(SocketApi::kNoSocket), m_requests(new UIAutomationRequests)
{
}

UIAutomationChannel::~UIAutomationChannel()
{
    disconnect();
}

bool UIAutomationChannel::isConnected() const
{
    return m_socket != SocketApi::kNoSocket;
}

bool UIAutomationChannel::connectTo(int port)
{
    uint32_t address = 0;
    if (!SocketApi::startup())
        return false;
    m_socket = SocketApi::createTcpSocket();
    if (m_socket == SocketApi::kNoSocket || !SocketApi::resolveIPv4("127.0.0.1", address)) {
        disconnect();
        return false;
    }
    int started = SocketApi::startConnect(m_socket, address, port);
    if (started == SocketApi::kConnectPending) {
        if (SocketApi::waitReady(m_socket, true, kConnectTimeoutMs) != SocketApi::kWaitReady ||
            SocketApi::connectError(m_socket) != 0)
            started = SocketApi::kConnectFailed;
        else
            started = SocketApi::kConnectDone;
    }
    if (started != SocketApi::kConnectDone || !startTimer(kTimerId, kInterval)) {
        disconnect();
        return false;
    }
    UIAutomationRequests* requests = m_requests.get();
    // A driven program's restart brings it back to the driver, so its own
    // helper runs; every other call is only recorded.
    ShellCallRecorder::install(
        [requests](const String& call, const String& target) { requests->recordShellCall(call, target); },
        true);
    return true;
}

void UIAutomationChannel::disconnect()
{
    killTimer(kTimerId);
    if (m_socket != SocketApi::kNoSocket) {
        ShellCallRecorder::remove();
        SocketApi::shutdownBoth(m_socket);
        SocketApi::close(m_socket);
        SocketApi::cleanup();
        m_socket = SocketApi::kNoSocket;
    }
}

void UIAutomationChannel::timerFired(int id)
{
    // A request that runs a modal loop would bring the timer back in here.
    if (id != kTimerId || m_busy || !isConnected())
        return;
    m_busy = true;
    bool alive = readAvailable();
    m_busy = false;
    if (!alive)
        disconnect();
}

bool UIAutomationChannel::readAvailable()
{
    if (!sendAll(answerWaiting()))
        return false;
    char buffer[4096];
    while (!m_heldAfterInput) {
        int received = SocketApi::receive(m_socket, reinterpret_cast<uint8_t*>(buffer), sizeof(buffer));
        if (received == 0)
            return false;
        if (received < 0)
            return SocketApi::isWouldBlockError(SocketApi::lastError());
        if (!sendAll(receive(buffer, static_cast<size_t>(received))))
            return false;
    }
    return true;
}

std::string UIAutomationChannel::receive(const char* data, size_t size)
{
    m_inbox.append(data, size);
    return m_heldAfterInput ? std::string() : answerWaiting();
}

std::string UIAutomationChannel::answerWaiting()
{
    m_heldAfterInput = false;
    std::string replies;
    size_t used = 0;
    while (used < m_inbox.size() && !m_heldAfterInput) {
        char c = m_inbox[used++];
        if (c == '\n') {
            if (m_discarding) {
                m_discarding = false;
            } else {
                if (!m_pending.empty() && m_pending.back() == '\r')
                    m_pending.pop_back();
                replies += m_requests->answer(m_pending) + "\n";
                m_heldAfterInput = m_requests->handedInput();
            }
            m_pending.clear();
            continue;
        }
        if (m_discarding)
            continue;
        m_pending += c;
        if (m_pending.size() > kMaxRequest) {
            m_pending.clear();
            m_discarding = true;
            replies += UIAutomationRequests::error("request too long").write() + "\n";
        }
    }
    m_inbox.erase(0, used);
    return replies;
}

bool UIAutomationChannel::sendAll(const std::string& bytes)
{
    size_t sent = 0;
    while (sent < bytes.size()) {
        int count = SocketApi::send(m_socket, reinterpret_cast<const uint8_t*>(bytes.data() + sent),
                                    static_cast<int>(bytes.size() - sent));
        if (count > 0) {
            sent += static_cast<size_t>(count);
            continue;
        }
        if (count < 0 && !SocketApi::isWouldBlockError(SocketApi::lastError()))
            return false;
        if (SocketApi::waitReady(m_socket, true, kConnectTimeoutMs) != SocketApi::kWaitReady)
            return false;
    }
    return true;
}
