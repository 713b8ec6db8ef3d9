#include "foundation/net/Network.h"

#include "foundation/net/SocketApi.h"

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

namespace {

const int kStartupAttempts = 10;
const int kStartupRetryMs = 100;

std::atomic<bool> g_started{false};
std::atomic<int> g_socketCount{0};

std::mutex& switchLock()
{
    static std::mutex lock;
    return lock;
}

} // namespace

Network& Network::instance()
{
    static Network network;
    return network;
}

void Network::startup()
{
    for (int attempt = 0; attempt < kStartupAttempts; ++attempt) {
        if (startOnce())
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(kStartupRetryMs));
    }
}

bool Network::startOnce()
{
    std::lock_guard<std::mutex> guard(switchLock());
    if (g_started)
        return true;
    if (!SocketApi::startup())
        return false;
    g_started = true;
    return true;
}

bool Network::shutdown()
{
    std::lock_guard<std::mutex> guard(switchLock());
    if (!g_started)
        return true;
    if (g_socketCount > 0)
        return false;
    SocketApi::cleanup();
    g_started = false;
    return true;
}

bool Network::isStarted() const
{
    return g_started;
}

int Network::socketCount() const
{
    return g_socketCount;
}

bool Network::addSocket()
{
    std::lock_guard<std::mutex> guard(switchLock());
    ++g_socketCount;
    return g_started;
}

void Network::removeSocket()
{
    --g_socketCount;
}
