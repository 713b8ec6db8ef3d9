// The switch that sends a driven run's outside traffic to the stand-in: read
// only with the automation variable, only a loopback address taken, and the
// requests arrive with the host they asked for.
#include "app/TestHosts.h"
#include "foundation/net/HttpClient.h"
#include "foundation/net/Network.h"
#include "foundation/net/SocketClient.h"
#include "tests/support/StandInServer.h"
#include "tests/support/TestText.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

using testsupport::StandInServer;
using testsupport::text;

namespace {

struct Environment
{
    const char* automation;
    const char* hosts;
    bool redirected;
};

void setVariable(const char* name, const char* value)
{
    if (value)
        setenv(name, value, 1);
    else
        unsetenv(name);
}

// One GET of host and path through the product's client.
bool fetch(const char* host, const char* path, HttpClient& client)
{
    client.request().setHost(text(host));
    client.request().setPath(text(path));
    client.request().headers().setHeader(String(u"Host: ") + text(host));
    client.response().setResultBufferSize(1 << 20);
    client.response().setReceiveTimeout(5);
    return client.perform();
}

class TestHostsTest : public testing::Test
{
protected:
    void SetUp() override { Network::instance().startup(); }
    void TearDown() override
    {
        SocketClient::redirectAllTo(String(), 0);
        unsetenv("REELSTACK_AUTOMATION");
        unsetenv("REELSTACK_TEST_HOSTS");
    }
};

} // namespace

TEST_F(TestHostsTest, OnlyALoopbackAddressWithAPortIsTaken)
{
    const struct
    {
        const char* text;
        int port;
    } cases[] = {
        {"127.0.0.1:8080", 8080},
        {"127.0.0.1:1", 1},
        {"127.0.0.1:65535", 65535},
        {"127.0.0.1:0", 0},
        {"127.0.0.1:65536", 0},
        {"127.0.0.1:80x", 0},
        {"127.0.0.1:", 0},
        {"127.0.0.1", 0},
        {"10.0.0.1:80", 0},
        {"localhost:80", 0},
        {"", 0},
        {" 127.0.0.1:80", 0},
        {"127.0.0.10:80", 0},
        {"127.0.0.1:-80", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TestHosts::parseLoopback(c.text), c.port) << c.text;
}

TEST_F(TestHostsTest, TheHostsAreReadOnlyInADrivenRun)
{
    const Environment cases[] = {
        {nullptr, "127.0.0.1:8080", false},  {"", "127.0.0.1:8080", false},
        {"x", "127.0.0.1:8080", false},      {"4000", nullptr, false},
        {"4000", "93.184.216.34:80", false}, {"4000", "127.0.0.1:8080", true},
    };
    for (const Environment& c : cases) {
        SocketClient::redirectAllTo(String(), 0);
        setVariable("REELSTACK_AUTOMATION", c.automation);
        setVariable("REELSTACK_TEST_HOSTS", c.hosts);
        EXPECT_EQ(TestHosts::applyFromEnvironment(), c.redirected) << (c.automation ? c.automation : "unset");
        EXPECT_EQ(SocketClient::isRedirected(), c.redirected);
    }
}

TEST_F(TestHostsTest, EveryHostReachesTheStandInWithItsOwnHostHeader)
{
    StandInServer standIn;
    ASSERT_TRUE(standIn.isListening());
    setenv("REELSTACK_AUTOMATION", "4000", 1);
    setenv("REELSTACK_TEST_HOSTS", standIn.hostAndPort().c_str(), 1);
    ASSERT_TRUE(TestHosts::applyFromEnvironment());

    HttpClient title;
    ASSERT_TRUE(fetch(StandInServer::kMovieDbHost, "/title/tt0078748/", title)) << title.errorCode();
    EXPECT_EQ(title.response().headers().statusKind(), HttpHeaders::kStatusOk);
    EXPECT_NE(title.response().body().size(), 0);

    HttpClient unknown;
    ASSERT_TRUE(fetch("nowhere.example", "/anything", unknown));
    EXPECT_EQ(unknown.response().headers().statusKind(), HttpHeaders::kStatusNotFound);

    const auto seen = standIn.requests();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].host, StandInServer::kMovieDbHost);
    EXPECT_EQ(seen[0].path, "/title/tt0078748/");
    EXPECT_NE(seen[0].raw.find(std::string("\r\nHost: ") + StandInServer::kMovieDbHost + "\r\n"),
              std::string::npos);
    EXPECT_EQ(seen[0].status, 200);
    EXPECT_EQ(seen[1].host, "nowhere.example");
    EXPECT_EQ(seen[1].status, 404);

    // Cleared, the same host is looked up for real and never reaches here.
    SocketClient::redirectAllTo(String(), 0);
    HttpClient direct;
    EXPECT_FALSE(fetch("host.invalid", "/", direct));
    EXPECT_EQ(standIn.requests().size(), 2u);
}

TEST(StandInServer, AnswersByHostAndTheLongestMatchingPath)
{
    StandInServer standIn;
    standIn.setPage("a.example", "/x/", "prefix");
    standIn.setPage("a.example", "/x/y/", "longer prefix");
    standIn.setPage("a.example", "/x/z", "exact");
    const struct
    {
        const char* host;
        const char* path;
        const char* body;
        int status;
    } cases[] = {
        {"a.example", "/x/1", "prefix", 200},   {"a.example", "/x/y/2", "longer prefix", 200},
        {"A.Example:80", "/x/z", "exact", 200}, {"a.example", "/x/z/more", "prefix", 200},
        {"a.example", "/x", "", 404},           {"b.example", "/x/1", "", 404},
    };
    for (const auto& c : cases) {
        HttpClient client;
        client.request().setHost(text(standIn.hostAndPort()));
        client.request().setPath(text(c.path));
        client.request().headers().setHeader(String(u"Host: ") + text(c.host));
        client.response().setResultBufferSize(4096);
        client.response().setReceiveTimeout(5);
        Network::instance().startup();
        ASSERT_TRUE(client.perform()) << c.path;
        const ByteArray& body = client.response().body();
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(body.data()), size_t(body.size())).substr(0, 64),
                  c.status == 200 ? std::string(c.body) : std::string("not here"))
            << c.host << c.path;
        EXPECT_EQ(standIn.requests().back().status, c.status) << c.host << c.path;
    }
}
