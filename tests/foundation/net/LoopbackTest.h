#pragma once

// The base of the network tests: networking started and the scripted loopback
// server listening, with the few helpers every exchange test needs.
#include "foundation/net/Network.h"
#include "tests/support/ServerSocket.h"
#include "tests/support/TestHttpServer.h"
#include "tests/support/TestText.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

class LoopbackTest : public ::testing::Test
{
protected:
    using Clock = std::chrono::steady_clock;

    void SetUp() override
    {
        Network::instance().startup();
        ASSERT_TRUE(m_server.isListening());
    }

    // The answer to the next connection, whole, then the connection closes.
    void answer(const std::string& bytes) { m_server.enqueue(testsupport::answerWith(bytes)); }

    // A host with the port of the loopback server, or of a port where nothing listens.
    String serverHost() const { return testsupport::text(m_server.hostAndPort()); }
    static String unusedHost()
    {
        return testsupport::text("127.0.0.1:" + std::to_string(testsupport::ServerSocket::unusedPort()));
    }

    static long long msSince(Clock::time_point start)
    {
        return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
    }

    testsupport::TestHttpServer m_server;
};
