#pragma once

#include <cstdint>
#include <memory>

class WebViewEngine;
class WebViewEventSink;

// The system browser as a web view's engine, where the system has a working
// one; our own engine serves everywhere else.
class SystemBrowser
{
public:
    static bool isAvailable();
    // Null where the system has none. The browser's window goes into the
    // given native window.
    static std::unique_ptr<WebViewEngine> createEngine(void* parentWindow, WebViewEventSink* sink,
                                                       uint32_t options);
};
