#include "ui/views/web/browser/WebBrowserClickCatcher.h"

#include "ui/views/web/WebViewEventSink.h"
#include "ui/views/web/browser/WebBrowserControl.h"

namespace {

constexpr uint32_t kLeftDown = 0x201;
constexpr uint32_t kLeftUp = 0x202;
constexpr uint32_t kRightDown = 0x204;
constexpr uint32_t kRightUp = 0x205;
constexpr uint32_t kMiddleDown = 0x207;
constexpr uint32_t kMiddleUp = 0x208;
constexpr uint32_t kExtraDown = 0x20B;
constexpr uint32_t kExtraUp = 0x20C;
constexpr uint32_t kRightButton = 2;

bool isPress(uint32_t message)
{
    return message == kLeftDown || message == kRightDown || message == kMiddleDown || message == kExtraDown;
}

bool isRelease(uint32_t message)
{
    return message == kLeftUp || message == kRightUp || message == kMiddleUp || message == kExtraUp;
}

bool isAnchor(const String& tag)
{
    return tag == String(u"A") || tag == String(u"a");
}

} // namespace

uint32_t WebBrowserClickCatcher::buttonsOf(uintptr_t wParam)
{
    struct Bit
    {
        uintptr_t key;
        uint32_t button;
    };
    const Bit bits[] = {{0x1, 1}, {0x2, 2}, {0x10, 4}, {0x20, 8}, {0x40, 16}};
    uint32_t buttons = 0;
    for (const Bit& bit : bits)
        if (wParam & bit.key)
            buttons |= bit.button;
    return buttons;
}

WebBrowserClickCatcher::Answer WebBrowserClickCatcher::message(uint32_t message, uintptr_t wParam,
                                                               const Point& point, uint32_t modifiers)
{
    if (isPress(message)) {
        m_releaseReported = false;
        return kTakeFocus;
    }
    if (isRelease(message) && !m_releaseReported) {
        m_releaseReported = true;
        report(message, wParam, point, modifiers);
    }
    return kNothing;
}

void WebBrowserClickCatcher::report(uint32_t message, uintptr_t wParam, const Point& point,
                                    uint32_t modifiers)
{
    if (!m_sink)
        return;
    if (message == kRightUp)
        m_sink->mouseRelease(point, kRightButton, buttonsOf(wParam), modifiers);
    else if (message == kLeftUp)
        reportLeftRelease(point);
}

// Everything is copied before the first report: a slot may replace the page
// or delete the view, and this with it.
void WebBrowserClickCatcher::reportLeftRelease(const Point& point)
{
    if (!m_control)
        return;
    String href;
    const WebViewElement element = m_control->elementAt(point, &href);
    if (element.tag.isEmpty())
        return;
    // Text or an image inside a link is a click on the link too.
    const bool link = isAnchor(element.tag) || !href.isEmpty();
    WebViewEventSink* sink = m_sink;
    if (!sink->elementClicked(element.tag, element.id) || !link)
        return;
    sink->linkClicked(href, element.id);
}
