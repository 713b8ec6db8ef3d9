#pragma once

// What the web view's tests share: its reports written down as text, and
// colours compared with the small tolerance that text smoothing and scaling
// leave.
#include "tests/support/TestText.h"
#include "ui/core/events/UIMouseEvent.h"
#include "ui/views/web/UIWebView.h"

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace webviewtest {

using Log = std::vector<std::string>;

// Entries, in the order reported: "load", "title:T", "status:S",
// "element:TAG,id", "link:href,id" and "release:button,buttons,modifiers@x,y".
class SignalLog : public SignalReceiver
{
public:
    void listenTo(UIWebView* view)
    {
        view->loadFinished.connect(this, &SignalLog::onLoad);
        view->titleChanged.connectString(this, &SignalLog::onTitle);
        view->statusTextChanged.connectString(this, &SignalLog::onStatus);
        view->elementClicked.connectStrings(this, &SignalLog::onElement);
        view->linkClicked.connectStrings(this, &SignalLog::onLink);
        view->mouseReleased.connectWithArg(this, &SignalLog::onRelease);
    }

    Log entries;
    // Runs after each element report, as another slot would.
    std::function<void()> afterElement = [] {};

private:
    void onLoad() { entries.push_back("load"); }
    void onTitle(String title) { entries.push_back("title:" + testsupport::utf8(title)); }
    void onStatus(String status) { entries.push_back("status:" + testsupport::utf8(status)); }
    void onElement(String tag, String id)
    {
        entries.push_back("element:" + testsupport::utf8(tag) + "," + testsupport::utf8(id));
        afterElement();
    }
    void onLink(String href, String id)
    {
        entries.push_back("link:" + testsupport::utf8(href) + "," + testsupport::utf8(id));
    }
    void onRelease(UIEvent* event)
    {
        const auto* m = static_cast<UIMouseEvent*>(event);
        entries.push_back("release:" + std::to_string(m->button()) + "," + std::to_string(m->buttons()) +
                          "," + std::to_string(m->modifiers()) + "@" + std::to_string(m->position().x) + "," +
                          std::to_string(m->position().y));
    }
};

// Two 0xRRGGBB colours within 8 of each other in every channel.
inline bool isNear(uint32_t a, uint32_t b)
{
    for (int shift = 0; shift < 24; shift += 8)
        if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > 8)
            return false;
    return true;
}

} // namespace webviewtest
