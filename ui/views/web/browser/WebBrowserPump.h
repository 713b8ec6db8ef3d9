#pragma once

#include <cstdint>

// What a wait for the browser does between looks at it: deliver the
// thread's waiting messages, sleep, read the clock. Tests replace it.
class WebBrowserPump
{
public:
    virtual ~WebBrowserPump() = default;

    // Dispatches every waiting message; false when one asked the program
    // to quit, which is posted again for the loop outside the wait.
    virtual bool dispatchWaiting();
    virtual void sleep(int ms);
    virtual int64_t nowMs();
};
