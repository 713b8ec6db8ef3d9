#pragma once

#include "foundation/geometry/Point.h"
#include "foundation/text/String.h"

#include <cstdint>

class UIWebView;

// Through this the engine reports to its view. Every report may run slots
// that replace the page or delete the view (and with it the engine): each
// answers whether the view is still there, and an engine that hears false
// returns at once without touching itself.
class WebViewEventSink
{
public:
    explicit WebViewEventSink(UIWebView* view) : m_view(view) {}

    bool documentComplete();
    bool titleChanged(const String& title);
    bool statusTextChanged(const String& text);
    bool elementClicked(const String& tag, const String& id);
    bool linkClicked(const String& href, const String& id);
    // A release the view did not see itself, given as its own release event.
    bool mouseRelease(const Point& point, uint32_t button, uint32_t buttons, uint32_t modifiers);

private:
    UIWebView* m_view;
};
