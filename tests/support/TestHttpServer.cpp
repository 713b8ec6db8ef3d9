#include "tests/support/TestHttpServer.h"

#include "tests/support/ServerSocket.h"

#include <algorithm>
#include <cctype>
#include <chrono>

namespace testsupport {

namespace {

const size_t kMaxRequestBytes = 4 * 1024 * 1024;
const int kRequestIdleMs = 2000;
const int kSliceMs = 50;
const int kDrainMs = 500;

std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The Content-Length a request announces in its header block; 0 when none.
size_t announcedBodyLength(const std::string& headerBlock)
{
    std::string lower = lowerCase(headerBlock);
    size_t at = lower.find("\r\ncontent-length:");
    if (at == std::string::npos)
        return 0;
    size_t length = 0;
    for (size_t i = at + 17; i < lower.size() && lower[i] != '\r'; ++i) {
        if (lower[i] >= '0' && lower[i] <= '9')
            length = std::min(length * 10 + static_cast<size_t>(lower[i] - '0'), kMaxRequestBytes);
    }
    return length;
}

} // namespace

HttpScript answerWith(const std::string& bytes)
{
    HttpScript script;
    script.pieces.push_back({bytes, 0});
    return script;
}

HttpScript dribbled(const std::string& bytes, size_t pieceSize, int delayMs)
{
    HttpScript script;
    for (size_t at = 0; at < bytes.size(); at += pieceSize)
        script.pieces.push_back({bytes.substr(at, pieceSize), delayMs});
    return script;
}

HttpScript stalled(int holdMs)
{
    HttpScript script;
    script.holdMs = holdMs;
    return script;
}

HttpScript closedWithoutAnswer()
{
    return HttpScript();
}

TestHttpServer::TestHttpServer()
{
    m_started = ServerSocket::startup();
    if (!m_started)
        return;
    m_listener = ServerSocket::listenLoopback(16, m_port);
    if (m_listener == kNoListener)
        return;
    m_thread = std::thread([this] { serveLoop(); });
}

TestHttpServer::~TestHttpServer()
{
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    if (m_thread.joinable())
        m_thread.join();
    if (m_listener != kNoListener)
        ServerSocket::close(m_listener);
    if (m_started)
        ServerSocket::cleanup();
}

std::string TestHttpServer::hostAndPort() const
{
    return "127.0.0.1:" + std::to_string(m_port);
}

std::string TestHttpServer::url(const std::string& path) const
{
    return "http://" + hostAndPort() + path;
}

void TestHttpServer::enqueue(const HttpScript& script)
{
    std::lock_guard<std::mutex> guard(m_mutex);
    m_scripts.push_back(script);
}

std::vector<std::string> TestHttpServer::requests() const
{
    std::lock_guard<std::mutex> guard(m_mutex);
    return m_requests;
}

std::string TestHttpServer::lastRequest() const
{
    std::lock_guard<std::mutex> guard(m_mutex);
    return m_requests.empty() ? std::string() : m_requests.back();
}

bool TestHttpServer::waitForServed(size_t count, int timeoutMs) const
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return m_served >= count; });
}

size_t TestHttpServer::abandonedCount() const
{
    std::lock_guard<std::mutex> guard(m_mutex);
    return m_abandoned;
}

bool TestHttpServer::waitForRequests(size_t count, int timeoutMs) const
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_changed.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                              [&] { return m_requests.size() >= count; });
}

void TestHttpServer::serveLoop()
{
    while (!isStopping()) {
        intptr_t connection = ServerSocket::accept(m_listener, kSliceMs);
        if (connection != ServerSocket::kNone)
            serve(connection);
    }
}

void TestHttpServer::serve(intptr_t connection)
{
    std::string request = readRequest(connection);
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        m_requests.push_back(request);
    }
    m_changed.notify_all();
    HttpScript script = nextScript(request);
    for (const HttpScript::Piece& piece : script.pieces) {
        if (!pause(piece.delayMs) ||
            !ServerSocket::sendAll(connection, piece.bytes.data(), piece.bytes.size()))
            break;
    }
    const bool abandoned = holdOpen(connection, script.holdMs);
    // Close only after the client has read everything: closing a socket
    // with unread input would reset the connection and drop the answer.
    ServerSocket::shutdownSend(connection);
    char scratch[4096];
    while (receive(connection, scratch, sizeof(scratch), kDrainMs) > 0) {
    }
    ServerSocket::close(connection);
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        ++m_served;
        m_abandoned += abandoned ? 1 : 0;
    }
    m_changed.notify_all();
}

std::string TestHttpServer::readRequest(intptr_t connection)
{
    std::string request;
    size_t wanted = kMaxRequestBytes;
    char buffer[8192];
    while (request.size() < wanted) {
        int received = receive(connection, buffer, sizeof(buffer), kRequestIdleMs);
        if (received <= 0)
            break;
        request.append(buffer, static_cast<size_t>(received));
        size_t headerEnd = request.find("\r\n\r\n");
        if (headerEnd != std::string::npos)
            wanted =
                std::min(kMaxRequestBytes, headerEnd + 4 + announcedBodyLength(request.substr(0, headerEnd)));
    }
    return request;
}

int TestHttpServer::receive(intptr_t connection, char* buffer, int size, int timeoutMs) const
{
    // Short slices, so that a stopping server never hangs on a silent client.
    for (int waited = 0; waited < timeoutMs; waited += kSliceMs) {
        if (isStopping())
            return -2;
        int received = ServerSocket::receive(connection, buffer, size, kSliceMs);
        if (received != -1)
            return received;
    }
    return -1;
}

bool TestHttpServer::isStopping() const
{
    std::lock_guard<std::mutex> guard(m_mutex);
    return m_stopping;
}

void TestHttpServer::setPages(const std::map<std::string, std::string>& answers)
{
    std::lock_guard<std::mutex> guard(m_mutex);
    m_pages = answers;
}

// The path of the request line "GET /path HTTP/1.0".
static std::string requestPath(const std::string& request)
{
    size_t start = request.find(' ');
    size_t end = start == std::string::npos ? start : request.find(' ', start + 1);
    if (end == std::string::npos)
        return std::string();
    return request.substr(start + 1, end - start - 1);
}

void TestHttpServer::setResponder(const Responder& responder)
{
    std::lock_guard<std::mutex> guard(m_mutex);
    m_responder = responder;
}

HttpScript TestHttpServer::nextScript(const std::string& request)
{
    std::lock_guard<std::mutex> guard(m_mutex);
    if (m_scripts.empty() && m_responder)
        return answerWith(m_responder(request));
    if (m_scripts.empty() && !m_pages.empty()) {
        auto page = m_pages.find(requestPath(request));
        if (page == m_pages.end())
            return answerWith("HTTP/1.0 404 Not Found\r\nContent-Type: text/html\r\n\r\nnot here");
        return answerWith(page->second);
    }
    if (m_scripts.empty())
        return closedWithoutAnswer();
    HttpScript script = m_scripts.front();
    m_scripts.pop_front();
    return script;
}

bool TestHttpServer::pause(int ms) const
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (ms > 0)
        m_changed.wait_for(lock, std::chrono::milliseconds(ms), [this] { return m_stopping; });
    return !m_stopping;
}

// True when the client closed the connection before the time was up. A
// long hold then costs nothing once the client has given up.
bool TestHttpServer::holdOpen(intptr_t connection, int ms) const
{
    if (ms <= 0)
        return false;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    char scratch[4096];
    while (std::chrono::steady_clock::now() < end && !isStopping()) {
        const int received = ServerSocket::receive(connection, scratch, sizeof(scratch), kSliceMs);
        if (received == 0 || received == -2)
            return true;
    }
    return false;
}

} // namespace testsupport
