// The update check against the loopback server: the exact form it posts, the
// answers it accepts and refuses, and a silent server ended by stopping.
#include "foundation/net/Network.h"
#include "foundation/system/Thread.h"
#include "model/informer/UpdateInformer.h"
#include "tests/model/extractors/ExtractorTestSupport.h"
#include "tests/support/TestHttpServer.h"

#include <gtest/gtest.h>

#include <chrono>

using extractortest::text;
using extractortest::utf8;

namespace {

const char kAgent[] = "Reelstack|1.2.0|3e5f";

// Waits for the worker's end, delivering its reports as the GUI thread does.
bool finished(UpdateInformer& informer)
{
    auto start = std::chrono::steady_clock::now();
    while (informer.isBusy()) {
        if (std::chrono::steady_clock::now() - start > std::chrono::seconds(5))
            return false;
        Thread::deliverReports();
        Thread::sleep(1);
    }
    Thread::deliverReports();
    return true;
}

} // namespace

TEST(UpdateInformer, PostsTheQueryAndReadsTheAnswer)
{
    Network::instance().startup();
    testsupport::TestHttpServer server;
    UpdateInformer informer(text(kAgent), text(server.hostAndPort()));
    const std::string xml = "<?xml version=\"1.0\" encoding=\"utf-8\"?>";
    struct Row
    {
        std::string body;
        int result;
        const char* version;
        const char* link;
    } rows[] = { // an empty body stands for a 404
        {xml + "<answer><version> 1.3.0 </version><link>http://example.test/get</link></answer>",
         UpdateInformer::kAccepted, "1.3.0", "http://example.test/get"},
        {xml + "<answer><link>http://example.test/b</link><version>2.0</version></answer>", UpdateInformer::kAccepted,
         "2.0", "http://example.test/b"},
        {xml + "<answer><version>1.3.0</version><link>   </link></answer>", UpdateInformer::kRefused, "", ""},
        {" " + xml + "<answer><version>1.3.0</version><link>x</link></answer>", UpdateInformer::kRefused, "", ""},
        {xml + "<product><version>1.3.0</version><link>x</link></product>", UpdateInformer::kRefused, "", ""},
        {"version=1.3.0", UpdateInformer::kRefused, "", ""},
        // What the shell would be handed must be a web address and a version.
        {xml + "<answer><version>1.3</version><link>C:\\x.exe</link></answer>", UpdateInformer::kRefused, "", ""},
        {xml + "<answer><version>1.3 beta</version><link>http://x.test</link></answer>", UpdateInformer::kRefused,
         "", ""},
        {"", UpdateInformer::kRefused, "", ""},
    };
    for (const Row& row : rows) { // one informer, started again for each answer
        SCOPED_TRACE(row.body);
        server.enqueue(testsupport::answerWith(row.body.empty() ? "HTTP/1.0 404 Not Found\r\n\r\n"
                                                                : "HTTP/1.0 200 OK\r\n\r\n" + row.body));
        ASSERT_TRUE(informer.start());
        ASSERT_TRUE(finished(informer));
        EXPECT_EQ(informer.result(), row.result);
        EXPECT_EQ(utf8(informer.latestVersion()), row.version);
        EXPECT_EQ(utf8(informer.downloadLink()), row.link);
    }
    std::string request = server.requests().front();
    EXPECT_EQ(request.substr(0, 30), "POST /service-informer HTTP/1.");
    EXPECT_NE(request.find("User-Agent: " + std::string(kAgent)), std::string::npos);
    // The query's Base64 from an independent encoder, then url-encoded.
    EXPECT_EQ(request.substr(request.find("\r\n\r\n") + 4),
              "q=PD94bWwgdmVyc2lvbj0iMS4wIiBlbmNvZGluZz0idXRmLTgiPz48cXVlcnk%2BPGFnZW50PlJlZWxzdGFja3wxLjIuMHwzZTVmPC9h"
              "Z2VudD48bW9kZT5sYXRlc3RfdmVyc2lvbjwvbW9kZT48ZGF0YT48L2RhdGE%2BPC9xdWVyeT4%3D");
}

TEST(UpdateInformer, StoppingEndsAWaitOnASilentServerAtOnce)
{
    Network::instance().startup();
    testsupport::TestHttpServer server;
    // A worker that waited for the answer would be let go when the hold ends,
    // before its own read time-out (10 s); one stopped at once has closed
    // its connection long before.
    const int holdMs = 8000;
    server.enqueue(testsupport::stalled(holdMs));
    {
        UpdateInformer informer(text(kAgent), text(server.hostAndPort()));
        informer.setDeadline(10 * holdMs);
        ASSERT_TRUE(informer.start());
        ASSERT_TRUE(server.waitForRequests(1, holdMs));
        EXPECT_FALSE(informer.start()); // one exchange at a time
    } // destroyed while waiting for the answer
    ASSERT_TRUE(server.waitForServed(1, 2 * holdMs));
    EXPECT_EQ(server.abandonedCount(), 1u) << "the informer left before the server answered";
    UpdateInformer noHost(text(kAgent), String());
    EXPECT_FALSE(noHost.start());
    testsupport::TestHttpServer closing;
    closing.enqueue(testsupport::closedWithoutAnswer());
    UpdateInformer informer(text(kAgent), text(closing.hostAndPort()));
    ASSERT_TRUE(informer.start());
    ASSERT_TRUE(finished(informer));
    EXPECT_EQ(informer.result(), UpdateInformer::kFailed);
}
