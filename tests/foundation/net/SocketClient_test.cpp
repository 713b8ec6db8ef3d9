// The socket client against a scripted loopback server: exact byte exchange,
// the buffer limit, refused hosts and ports, and the waits that must end.
#include "foundation/net/Network.h"
#include "foundation/net/SocketClient.h"
#include "tests/foundation/net/NetTestText.h"
#include "tests/support/ServerSocket.h"
#include "tests/support/TestHttpServer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

using nettest::text;
using testsupport::TestHttpServer;

namespace {

class SocketClientTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Network::instance().startup();
        ASSERT_TRUE(m_server.isListening());
    }

    SocketSettings loopbackSettings() const
    {
        SocketSettings settings;
        settings.host = text("127.0.0.1");
        settings.port = m_server.port();
        settings.deadlineMs = 10000;
        return settings;
    }

    // Opens, sends a short request and reads the answer into capacity bytes.
    int exchange(SocketClient& socket, std::vector<uint8_t>& buffer)
    {
        if (!socket.open())
            return -1;
        const std::string request = "GET / HTTP/1.0\r\n\r\n";
        if (!socket.write(nettest::raw(request), nettest::size(request)))
            return -1;
        return socket.read(buffer.data(), static_cast<int>(buffer.size()));
    }

    static long long millisecondsSince(std::chrono::steady_clock::time_point start)
    {
        return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start)
            .count();
    }

    TestHttpServer m_server;
};

} // namespace

TEST(SocketClientErrors, EveryCodeHasItsText)
{
    const char* expected[] = {
        "No error.",
        "Init failed.",
        "Create failed.",
        "Detect host failed.",
        "Connect failed.",
        "Write params is incorrect.",
        "Write failed.",
        "Write timeout elapsed.",
        "Read params is incorrect.",
        "Read failed.",
        "Read buffer is full.",
        "Read timeout elapsed.",
        "Already open.",
        "Not init.",
        "Not open.",
        "Deadline elapsed.",
        "Aborted.",
    };
    for (int code = 0; code < 17; ++code)
        EXPECT_EQ(nettest::utf8(SocketClient::errorText(code)), expected[code]) << "code " << code;
    EXPECT_EQ(nettest::utf8(SocketClient::errorText(17)), "Unknown error.");
    EXPECT_EQ(nettest::utf8(SocketClient::errorText(-1)), "Unknown error.");
    EXPECT_EQ(nettest::utf8(SocketClient::errorText(1000)), "Unknown error.");
}

TEST_F(SocketClientTest, ExchangesExactBytesWithADottedAddress)
{
    m_server.enqueue(testsupport::answerWith("hello, world"));
    SocketClient socket(loopbackSettings());
    EXPECT_FALSE(socket.isOpen());
    ASSERT_TRUE(socket.open()) << socket.errorCode();
    EXPECT_TRUE(socket.isOpen());
    EXPECT_GT(socket.settings().receiveChunkSize, 0) << "the chunk size is taken from the socket";

    const std::string request = "GET /x HTTP/1.0\r\nHost: here\r\n\r\n";
    ASSERT_TRUE(socket.write(nettest::raw(request), nettest::size(request)));
    std::vector<uint8_t> buffer(64, 0xEE);
    int received = socket.read(buffer.data(), static_cast<int>(buffer.size()));
    ASSERT_EQ(received, 12);
    EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + received), "hello, world");
    EXPECT_FALSE(socket.hasError());
    EXPECT_EQ(m_server.lastRequest(), request);
}

TEST_F(SocketClientTest, AnswerThatFillsTheBufferExactlyFitsAndOneByteMoreDoesNot)
{
    const std::string hundred(100, 'x');
    // The receive chunk equal to the capacity used to fail at once.
    SocketSettings settings = loopbackSettings();
    settings.receiveChunkSize = 100;

    m_server.enqueue(testsupport::answerWith(hundred));
    SocketClient fits(settings);
    std::vector<uint8_t> buffer(100);
    EXPECT_EQ(exchange(fits, buffer), 100);
    EXPECT_EQ(std::string(buffer.begin(), buffer.end()), hundred);
    EXPECT_FALSE(fits.hasError());

    m_server.enqueue(testsupport::answerWith(hundred + "y"));
    SocketClient tooBig(settings);
    EXPECT_EQ(exchange(tooBig, buffer), -1);
    EXPECT_EQ(tooBig.errorCode(), SocketClient::kReadBufferFull);
    EXPECT_FALSE(tooBig.isOpen()) << "a recorded error closes the socket";

    // One byte per receive call still reads the whole answer.
    settings.receiveChunkSize = 1;
    m_server.enqueue(testsupport::dribbled("abcdefgh", 3, 10));
    SocketClient small(settings);
    std::vector<uint8_t> eight(8);
    EXPECT_EQ(exchange(small, eight), 8);
    EXPECT_EQ(std::string(eight.begin(), eight.end()), "abcdefgh");
}

TEST_F(SocketClientTest, RefusesCallsThatCannotBeServed)
{
    uint8_t buffer[16];
    SocketClient closed(loopbackSettings());
    EXPECT_EQ(closed.read(buffer, 16), -1);
    EXPECT_EQ(closed.errorCode(), SocketClient::kNotOpen);
    EXPECT_FALSE(closed.write(buffer, 16));
    EXPECT_EQ(closed.errorCode(), SocketClient::kNotOpen);

    SocketClient socket(loopbackSettings());
    ASSERT_TRUE(socket.open());
    EXPECT_FALSE(socket.write(nullptr, 4));
    EXPECT_EQ(socket.errorCode(), SocketClient::kWriteParamsIncorrect);
    ASSERT_TRUE(socket.open());
    EXPECT_FALSE(socket.write(buffer, 0));
    EXPECT_EQ(socket.errorCode(), SocketClient::kWriteParamsIncorrect);
    ASSERT_TRUE(socket.open());
    EXPECT_EQ(socket.read(nullptr, 16), -1);
    EXPECT_EQ(socket.errorCode(), SocketClient::kReadParamsIncorrect);
    ASSERT_TRUE(socket.open());
    EXPECT_EQ(socket.read(buffer, 0), -1);
    EXPECT_EQ(socket.errorCode(), SocketClient::kReadParamsIncorrect);

    // Opening twice refuses the second call and drops the first connection.
    ASSERT_TRUE(socket.open());
    EXPECT_FALSE(socket.open());
    EXPECT_EQ(socket.errorCode(), SocketClient::kAlreadyOpen);
    EXPECT_FALSE(socket.isOpen());
    EXPECT_TRUE(socket.open()) << "a closed client opens again";
    EXPECT_EQ(socket.errorCode(), SocketClient::kNoError);
}

TEST_F(SocketClientTest, RefusesHostsAndPortsItCannotReach)
{
    SocketSettings settings = loopbackSettings();

    settings.host = String(char16_t(u'a'), 256);
    SocketClient longName(settings);
    EXPECT_FALSE(longName.open());
    EXPECT_EQ(longName.errorCode(), SocketClient::kDetectHostFailed);

    const char* hostile[] = {"127.0.0.1\r\nX: y", "example\n", ""};
    for (const char* host : hostile) {
        settings.host = text(host);
        SocketClient socket(settings);
        EXPECT_FALSE(socket.open()) << host;
        EXPECT_EQ(socket.errorCode(), SocketClient::kDetectHostFailed) << host;
    }
    settings.host = String(u"127.0.0.1");
    settings.host += char16_t(0);
    SocketClient zero(settings);
    EXPECT_FALSE(zero.open());
    EXPECT_EQ(zero.errorCode(), SocketClient::kDetectHostFailed);

    settings.host = text("no-such-host.invalid");
    SocketClient unknown(settings);
    EXPECT_FALSE(unknown.open());
    EXPECT_EQ(unknown.errorCode(), SocketClient::kDetectHostFailed);
    EXPECT_NE(unknown.systemError(), 0);

    settings.host = text("127.0.0.1");
    settings.port = testsupport::ServerSocket::unusedPort();
    SocketClient refused(settings);
    EXPECT_FALSE(refused.open());
    EXPECT_EQ(refused.errorCode(), SocketClient::kConnectFailed);
    EXPECT_NE(refused.systemError(), 0);

    settings.port = 70000;
    SocketClient outOfRange(settings);
    EXPECT_FALSE(outOfRange.open());
    EXPECT_EQ(outOfRange.errorCode(), SocketClient::kConnectFailed);
}

TEST_F(SocketClientTest, WaitsEndAtTheirTimeOutDeadlineOrAbort)
{
    std::vector<uint8_t> buffer(64);

    SocketSettings settings = loopbackSettings();
    settings.receiveTimeout = 1;
    m_server.enqueue(testsupport::stalled(5000));
    SocketClient timedOut(settings);
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(exchange(timedOut, buffer), -1);
    EXPECT_EQ(timedOut.errorCode(), SocketClient::kReadTimeout);
    EXPECT_GE(millisecondsSince(start), 900);
    EXPECT_LT(millisecondsSince(start), 4000);

    // A server that trickles bytes resets no per-call time-out of the
    // deadline: the whole exchange ends.
    settings = loopbackSettings();
    settings.receiveTimeout = 10;
    settings.deadlineMs = 400;
    m_server.enqueue(testsupport::dribbled(std::string(100, 'z'), 1, 50));
    SocketClient trickled(settings);
    start = std::chrono::steady_clock::now();
    EXPECT_EQ(exchange(trickled, buffer), -1);
    EXPECT_EQ(trickled.errorCode(), SocketClient::kDeadlineElapsed);
    EXPECT_GE(millisecondsSince(start), 350);
    EXPECT_LT(millisecondsSince(start), 3000);

    std::atomic<bool> abort{false};
    settings = loopbackSettings();
    settings.abortFlag = &abort;
    m_server.enqueue(testsupport::stalled(5000));
    SocketClient aborted(settings);
    std::thread raiser([&abort] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        abort = true;
    });
    start = std::chrono::steady_clock::now();
    EXPECT_EQ(exchange(aborted, buffer), -1);
    raiser.join();
    EXPECT_EQ(aborted.errorCode(), SocketClient::kAborted);
    EXPECT_LT(millisecondsSince(start), 3000);
}

TEST_F(SocketClientTest, ConnectGivesUpAfterItsTimeOut)
{
    // A listener that never accepts: once its queue is full, the system
    // leaves further connection attempts unanswered.
    int port = 0;
    intptr_t listener = testsupport::ServerSocket::listenLoopback(1, port);
    ASSERT_NE(listener, testsupport::ServerSocket::kNone);
    SocketSettings settings = loopbackSettings();
    settings.port = port;
    settings.connectTimeoutMs = 300;
    std::vector<std::unique_ptr<SocketClient>> sockets;
    bool timedOut = false;
    for (int attempt = 0; attempt < 16 && !timedOut; ++attempt) {
        sockets.push_back(std::make_unique<SocketClient>(settings));
        auto start = std::chrono::steady_clock::now();
        if (sockets.back()->open())
            continue;
        long long elapsed = millisecondsSince(start);
        EXPECT_EQ(sockets.back()->errorCode(), SocketClient::kConnectFailed);
        EXPECT_NE(sockets.back()->systemError(), 0);
        EXPECT_GE(elapsed, 250);
        EXPECT_LT(elapsed, 3000);
        timedOut = true;
    }
    EXPECT_TRUE(timedOut);
    testsupport::ServerSocket::close(listener);
}

TEST(Network, ShutdownWaitsForTheLastSocketAndSocketsReportIt)
{
    Network& network = Network::instance();
    network.startup();
    ASSERT_TRUE(network.isStarted());
    int before = network.socketCount();
    {
        SocketSettings settings;
        SocketClient alive(settings);
        EXPECT_EQ(network.socketCount(), before + 1);
        EXPECT_FALSE(network.shutdown()) << "a live socket keeps networking up";
        EXPECT_TRUE(network.isStarted());
    }
    EXPECT_EQ(network.socketCount(), before);
    ASSERT_TRUE(network.shutdown());
    EXPECT_FALSE(network.isStarted());
    EXPECT_TRUE(network.shutdown()) << "stopping twice is harmless";
    {
        SocketSettings settings;
        settings.host = text("127.0.0.1");
        settings.port = 80;
        SocketClient early(settings);
        EXPECT_EQ(early.errorCode(), SocketClient::kInitFailed);
        EXPECT_FALSE(early.open());
        EXPECT_EQ(early.errorCode(), SocketClient::kNotInit);
    }
    network.startup();
    EXPECT_TRUE(network.isStarted());
}
