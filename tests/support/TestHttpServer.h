#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace testsupport {

// What the test server does with one connection, after it has read the
// request: it writes the pieces in order, each after its delay, then keeps the
// connection open for holdMs, or until the client closes it, and closes it.
struct HttpScript
{
    struct Piece
    {
        std::string bytes;
        int delayMs;
    };
    std::vector<Piece> pieces;
    int holdMs = 0;
};

// The whole answer in one write, then close (HTTP/1.0 style).
HttpScript answerWith(const std::string& bytes);
// The answer in pieces of pieceSize bytes, each written delayMs after the last.
HttpScript dribbled(const std::string& bytes, size_t pieceSize, int delayMs);
// No answer at all; the connection stays open for holdMs (unless the client
// leaves first), then closes.
HttpScript stalled(int holdMs);
// The request is read, then the connection is closed without a byte.
HttpScript closedWithoutAnswer();

// A scripted HTTP server on 127.0.0.1, on a free port, run by a thread of the
// test process. It serves one connection at a time: it records the raw request
// bytes (up to the end of the headers and the Content-Length body, or until
// the client stops sending), answers with the next queued script and closes.
// With no script queued it closes without answering.
class TestHttpServer
{
public:
    TestHttpServer();
    ~TestHttpServer();
    TestHttpServer(const TestHttpServer&) = delete;
    TestHttpServer& operator=(const TestHttpServer&) = delete;

    bool isListening() const { return m_listener != kNoListener; }
    int port() const { return m_port; }
    // "127.0.0.1:port", as a host with its port.
    std::string hostAndPort() const;
    // "http://127.0.0.1:port" followed by the path.
    std::string url(const std::string& path) const;

    void enqueue(const HttpScript& script);
    // Whole answers by request path, served while no script is queued; any
    // other path is answered "404 Not Found".
    void setPages(const std::map<std::string, std::string>& answers);
    // The whole answer to a request's raw bytes, asked while no script is
    // queued; it takes the place of the pages. Runs on the server's thread.
    using Responder = std::function<std::string(const std::string& request)>;
    void setResponder(const Responder& responder);

    // The raw bytes of every request received so far, in order.
    std::vector<std::string> requests() const;
    // The last request, or empty when none came.
    std::string lastRequest() const;
    // Waits until count requests have arrived.
    bool waitForRequests(size_t count, int timeoutMs) const;
    // Waits until count connections have been served completely.
    bool waitForServed(size_t count, int timeoutMs) const;
    // The connections whose client closed while the server still held them
    // open: a client that gave up before the server did.
    size_t abandonedCount() const;

private:
    static constexpr intptr_t kNoListener = -1;

    void serveLoop();
    void serve(intptr_t connection);
    std::string readRequest(intptr_t connection);
    int receive(intptr_t connection, char* buffer, int size, int timeoutMs) const;
    bool isStopping() const;
    HttpScript nextScript(const std::string& request);
    bool pause(int ms) const;
    bool holdOpen(intptr_t connection, int ms) const;

    intptr_t m_listener = kNoListener;
    int m_port = 0;
    bool m_started = false;
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    std::deque<HttpScript> m_scripts;
    std::map<std::string, std::string> m_pages;
    Responder m_responder;
    std::vector<std::string> m_requests;
    size_t m_served = 0;
    size_t m_abandoned = 0;
    bool m_stopping = false;
    std::thread m_thread;
};

} // namespace testsupport
