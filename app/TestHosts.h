#pragma once

#include <string>

// The switch that sends a driven test run's outside traffic to a stand-in on
// this machine: only when REELSTACK_AUTOMATION names a port is
// REELSTACK_TEST_HOSTS read, and only a loopback address with a port
// ("127.0.0.1:8080") is taken; every socket then connects there, whatever
// host it asks for.
class TestHosts
{
public:
    // The port of "127.0.0.1:<1-65535>", else 0.
    static int parseLoopback(const std::string& text);
    // True when the redirection was set.
    static bool applyFromEnvironment();
};
