// The socket client against a scripted loopback server: exact byte exchange,
// the buffer limit, refused hosts and ports, and the waits that must end.
#include "foundation/net/SocketClient.h"
#include "tests/foundation/net/LoopbackTest.h"

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

using testsupport::text;

namespace {

class SocketClientTest : public LoopbackTest
{
protected:
    SocketSettings loopback() const
    {
        SocketSettings settings;
        settings.host = text("127.0.0.1");
        settings.port = m_server.port();
        settings.deadlineMs = 10000;
        return settings;
    }

    // Opens, sends a request and reads the answer into the buffer: the bytes
    // read, or -1.
    static int exchange(SocketClient& socket, std::vector<uint8_t>& buffer)
    {
        const std::string request = "GET / HTTP/1.0\r\n\r\n";
        if (!socket.open() || !socket.write(testsupport::raw(request), int(request.size())))
            return -1;
        return socket.read(buffer.data(), int(buffer.size()));
    }
};

} // namespace

TEST_F(SocketClientTest, ExchangesExactBytesUpToTheBufferAndNotOneMore)
{
    m_server.enqueue(testsupport::dribbled("hello, world", 5, 10));
    SocketClient socket(loopback());
    std::vector<uint8_t> buffer(64, 0xEE);
    ASSERT_EQ(exchange(socket, buffer), 12) << socket.errorCode();
    EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + 12), "hello, world");
    EXPECT_EQ(m_server.lastRequest(), "GET / HTTP/1.0\r\n\r\n");

    // A receive chunk equal to the capacity used to fail at once; one byte
    // per receive call still reads everything.
    const std::string hundred(100, 'x');
    for (int chunk : {100, 1}) {
        SocketSettings settings = loopback();
        settings.receiveChunkSize = chunk;
        answer(hundred);
        SocketClient fits(settings);
        buffer.assign(100, 0);
        EXPECT_EQ(exchange(fits, buffer), 100) << chunk;
        EXPECT_EQ(std::string(buffer.begin(), buffer.end()), hundred);
        answer(hundred + "y");
        SocketClient tooBig(settings);
        EXPECT_EQ(exchange(tooBig, buffer), -1) << chunk;
        EXPECT_EQ(tooBig.errorCode(), SocketClient::kReadBufferFull);
        EXPECT_FALSE(tooBig.isOpen()) << "a recorded error closes the socket";
    }
}

TEST_F(SocketClientTest, RefusesCallsThatCannotBeServed)
{
    uint8_t buffer[16];
    SocketClient socket(loopback());
    EXPECT_EQ(socket.read(buffer, 16), -1);
    EXPECT_EQ(socket.errorCode(), SocketClient::kNotOpen);
    EXPECT_FALSE(socket.write(buffer, 16));
    EXPECT_EQ(socket.errorCode(), SocketClient::kNotOpen);
    const std::pair<uint8_t*, int> badBuffers[] = {{nullptr, 4}, {buffer, 0}};
    for (const auto& bad : badBuffers) {
        ASSERT_TRUE(socket.open());
        EXPECT_FALSE(socket.write(bad.first, bad.second));
        EXPECT_EQ(socket.errorCode(), SocketClient::kWriteParamsIncorrect);
        ASSERT_TRUE(socket.open());
        EXPECT_EQ(socket.read(bad.first, bad.second), -1);
        EXPECT_EQ(socket.errorCode(), SocketClient::kReadParamsIncorrect);
    }
    // Opening twice refuses the second call and drops the first connection.
    ASSERT_TRUE(socket.open());
    EXPECT_FALSE(socket.open());
    EXPECT_EQ(socket.errorCode(), SocketClient::kAlreadyOpen);
    EXPECT_FALSE(socket.isOpen());
    EXPECT_TRUE(socket.open()) << "a closed client opens again";
    EXPECT_EQ(socket.errorCode(), SocketClient::kNoError);
    EXPECT_EQ(testsupport::utf8(SocketClient::errorText(17)), "Unknown error.") << "no read past the texts";
}

TEST_F(SocketClientTest, RefusesHostsAndPortsItCannotReach)
{
    String zero = text("127.0.0.1");
    zero += char16_t(0);
    const String hosts[] = {
        String(char16_t(u'a'), 256), text("127.0.0.1\r\nX: y"), text("example\n"), text(""), zero,
        text("no-such-host.invalid")};
    for (const String& host : hosts) {
        SocketSettings settings = loopback();
        settings.host = host;
        SocketClient socket(settings);
        EXPECT_FALSE(socket.open()) << testsupport::utf8(host);
        EXPECT_EQ(socket.errorCode(), SocketClient::kDetectHostFailed) << testsupport::utf8(host);
    }
    for (int port : {testsupport::ServerSocket::unusedPort(), 70000}) {
        SocketSettings settings = loopback();
        settings.port = port;
        SocketClient socket(settings);
        EXPECT_FALSE(socket.open()) << port;
        EXPECT_EQ(socket.errorCode(), SocketClient::kConnectFailed) << port;
    }
    EXPECT_EQ(m_server.requests().size(), 0u);
}

TEST_F(SocketClientTest, WaitsEndAtTheirTimeOutDeadlineOrAbort)
{
    std::vector<uint8_t> buffer(64);
    std::atomic<bool> abort{false};
    struct Case
    {
        testsupport::HttpScript script;
        int receiveTimeout, deadlineMs, error, atLeastMs;
    };
    // The error says which wait ended the exchange. The server holds out far
    // longer than the wait under test (a client ignoring it would read the
    // end of the answer instead), and the deadlines not under test are
    // longer still. A server that trickles bytes resets each call's
    // time-out, never the deadline of the whole exchange.
    const Case cases[] = {
        {testsupport::stalled(20000), 1, 600000, SocketClient::kReadTimeout, 900},
        {testsupport::dribbled(std::string(100, 'z'), 1, 100), 30, 400, SocketClient::kDeadlineElapsed, 350},
        {testsupport::stalled(60000), 0, 600000, SocketClient::kAborted, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.error);
        SocketSettings settings = loopback();
        settings.receiveTimeout = c.receiveTimeout;
        settings.deadlineMs = c.deadlineMs;
        settings.abortFlag = c.error == SocketClient::kAborted ? &abort : nullptr;
        m_server.enqueue(c.script);
        SocketClient socket(settings);
        // The abort comes once the server holds the request: the client is
        // then inside its read.
        const size_t requests = m_server.requests().size() + 1;
        const size_t abandoned = m_server.abandonedCount();
        std::thread raiser([this, &abort, requests] {
            if (m_server.waitForRequests(requests, 60000))
                abort = true;
        });
        Clock::time_point start = Clock::now();
        EXPECT_EQ(exchange(socket, buffer), -1);
        long long elapsed = msSince(start);
        raiser.join();
        abort = false;
        EXPECT_EQ(socket.errorCode(), c.error);
        EXPECT_GE(elapsed, c.atLeastMs);
        EXPECT_TRUE(m_server.waitForServed(requests, 60000));
        if (c.script.holdMs > 0) {
            EXPECT_EQ(m_server.abandonedCount(), abandoned + 1) << "the client gave up before the server";
        }
    }
}

TEST_F(SocketClientTest, ConnectGivesUpAfterItsTimeOut)
{
    // A listener that never accepts: once its queue is full, the system
    // leaves further connection attempts unanswered.
    int port = 0;
    intptr_t listener = testsupport::ServerSocket::listenLoopback(1, port);
    ASSERT_NE(listener, testsupport::ServerSocket::kNone);
    SocketSettings settings = loopback();
    settings.port = port;
    settings.connectTimeoutMs = 300;
    std::vector<std::unique_ptr<SocketClient>> sockets;
    bool timedOut = false;
    for (int attempt = 0; attempt < 16 && !timedOut; ++attempt) {
        sockets.push_back(std::make_unique<SocketClient>(settings));
        Clock::time_point start = Clock::now();
        if (sockets.back()->open())
            continue;
        EXPECT_EQ(sockets.back()->errorCode(), SocketClient::kConnectFailed);
        // Without its own time-out a connect waits for the system's, minutes
        // on the loopback.
        EXPECT_GE(msSince(start), 250);
        EXPECT_LT(msSince(start), 30 * settings.connectTimeoutMs);
        timedOut = true;
    }
    EXPECT_TRUE(timedOut);
    testsupport::ServerSocket::close(listener);
}

TEST(Network, ShutdownWaitsForTheLastSocketAndSocketsReportIt)
{
    Network& network = Network::instance();
    network.startup();
    int before = network.socketCount();
    {
        SocketClient alive{SocketSettings()};
        EXPECT_EQ(network.socketCount(), before + 1);
        EXPECT_FALSE(network.shutdown()) << "a live socket keeps networking up";
        EXPECT_TRUE(network.isStarted());
    }
    EXPECT_EQ(network.socketCount(), before);
    ASSERT_TRUE(network.shutdown());
    EXPECT_FALSE(network.isStarted());
    EXPECT_TRUE(network.shutdown()) << "stopping twice is harmless";
    {
        SocketClient early{SocketSettings()};
        EXPECT_EQ(early.errorCode(), SocketClient::kInitFailed);
        EXPECT_FALSE(early.open());
        EXPECT_EQ(early.errorCode(), SocketClient::kNotInit);
    }
    network.startup();
}
