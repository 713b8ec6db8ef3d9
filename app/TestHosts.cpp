#include "app/TestHosts.h"

#include "foundation/net/SocketClient.h"
#include "ui/core/automation/UIAutomationChannel.h"

#include <cstdlib>

namespace {

const char kLoopback[] = "127.0.0.1:";

} // namespace

int TestHosts::parseLoopback(const std::string& text)
{
    const std::string prefix(kLoopback);
    if (text.compare(0, prefix.size(), prefix) != 0)
        return 0;
    return UIAutomationChannel::parsePort(text.substr(prefix.size()));
}

bool TestHosts::applyFromEnvironment()
{
    const char* automation = std::getenv("REELSTACK_AUTOMATION");
    if (!automation || UIAutomationChannel::parsePort(automation) == 0)
        return false;
    const char* hosts = std::getenv("REELSTACK_TEST_HOSTS");
    const int port = hosts ? parseLoopback(hosts) : 0;
    if (port == 0)
        return false;
    SocketClient::redirectAllTo(String(u"127.0.0.1"), port);
    return true;
}
