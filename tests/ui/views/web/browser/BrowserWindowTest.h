#pragma once

// A real window with a web view whose reports are logged, and an event sink
// of its own for the browser host's parts under test. Windows only.
#include "tests/support/UIHarness.h"
#include "tests/ui/views/web/WebViewTestSupport.h"
#include "ui/views/web/UIWebView.h"
#include "ui/views/web/WebViewEngine.h"
#include "ui/views/web/WebViewEventSink.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

class BrowserWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(testsupport::UIHarness::start());
        window = testsupport::UIHarness::openWindow(nullptr, 40, 40, 300, 200);
        view = new UIWebView(window, 0);
        signals.listenTo(view);
        sink = std::make_unique<WebViewEventSink>(view);
    }
    // Whatever reports through the sink goes first.
    void TearDown() override
    {
        sink.reset();
        testsupport::UIHarness::closeWindow(window);
    }
    HWND topHandle() const { return static_cast<HWND>(window->windowHandle()); }

    UIWidget* window = nullptr;
    UIWebView* view = nullptr;
    std::unique_ptr<WebViewEventSink> sink;
    webviewtest::SignalLog signals;
    webviewtest::Log& log = signals.entries;
};
