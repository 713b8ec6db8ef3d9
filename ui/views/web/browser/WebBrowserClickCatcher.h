#pragma once

#include "foundation/geometry/Point.h"

#include <cstdint>

class WebBrowserControl;
class WebViewEventSink;

// Turns the mouse messages of the browser's innermost window into the web
// view's reports: one release reported per press; a left release over an
// element gives elementClicked, inside a link then linkClicked; a right
// release is the view's own mouse release. Messages are never swallowed.
class WebBrowserClickCatcher
{
public:
    enum Answer
    {
        kNothing,
        kTakeFocus
    };

    WebBrowserClickCatcher(WebBrowserControl* control, WebViewEventSink* sink)
        : m_control(control), m_sink(sink)
    {
    }

    // message and wParam as the window has them; modifiers are the
    // keyboard's now (1 Shift, 2 Ctrl, 4 Alt). kTakeFocus after a press.
    Answer message(uint32_t message, uintptr_t wParam, const Point& point, uint32_t modifiers);

    // The view's buttons from a mouse message's key state.
    static uint32_t buttonsOf(uintptr_t wParam);

private:
    void report(uint32_t message, uintptr_t wParam, const Point& point, uint32_t modifiers);
    void reportLeftRelease(const Point& point);

    WebBrowserControl* m_control;
    WebViewEventSink* m_sink;
    bool m_releaseReported = false;
};
