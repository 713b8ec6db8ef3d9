#include "ui/views/web/browser/WebBrowserPump.h"

#include <chrono>
#include <thread>

// Natively there is no browser to wait for and no message queue.
bool WebBrowserPump::dispatchWaiting()
{
    return true;
}

void WebBrowserPump::sleep(int ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

int64_t WebBrowserPump::nowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}
