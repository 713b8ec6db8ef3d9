#pragma once

// A browser control for the host's tests: it records the calls made, in
// order, and answers from what the test sets.
#include "ui/views/web/browser/WebBrowserControl.h"
#include "ui/views/web/browser/WebBrowserPump.h"

#include <functional>
#include <string>
#include <vector>

class FakeWebBrowserControl : public WebBrowserControl
{
public:
    struct Element
    {
        Rect area;
        const char16_t* tag;
        const char16_t* id;
        const char16_t* href;
    };

    std::vector<std::string> calls;
    WebBrowserEvents* events = nullptr;
    bool document = true;
    bool readable = true;
    int state = 4;
    bool failWrite = false;
    bool failOpen = false;
    bool oleControl = true;
    bool zoomWorks = true;
    std::vector<Element> elements;

    void connect(WebBrowserEvents* to) override { events = to; }
    bool navigate(const String&) override { return called("navigate", true); }
    bool readyState(int& read) override
    {
        read = state;
        return readable;
    }
    String locationUrl() override { return String(u"about:blank"); }
    void run(Command command) override { calls.push_back("run" + std::to_string(int(command))); }
    void setZoom(int) override {}
    bool zoom(int& percent) override
    {
        percent = 150;
        return zoomWorks;
    }
    bool property(Property) override { return false; }
    void setProperty(Property, bool) override {}
    void show(bool) override {}
    void place(const Rect&) override {}
    bool userAgentChanged() override { return oleControl; }
    bool hasDocument() override { return document; }
    bool openDocument() override { return called("open", !failOpen); }
    bool writeDocument(const String&) override { return called("write", !failWrite); }
    bool closeDocument() override { return called("close", true); }
    void cacheBackgroundImages() override { calls.push_back("cache"); }
    void setCharset(const String&) override {}
    String charset() override { return String(); }
    String documentHtml() override { return String(); }
    String documentText() override { return String(); }
    String selectedText() override { return String(); }
    StringList links() override { return StringList(); }
    WebViewElement elementAt(const Point& point, String* href) override
    {
        for (const Element& e : elements) {
            if (!e.area.contains(point))
                continue;
            if (href)
                *href = String(e.href);
            WebViewElement found;
            found.tag = String(e.tag);
            found.id = String(e.id);
            return found;
        }
        return WebViewElement();
    }
    std::vector<WebViewElement> elementsWithIds() override { return {}; }
    std::vector<WebViewElement> anchors() override { return {}; }
    bool scrollToElement(const String&) override { return false; }
    void scrollTo(const Point&) override {}
    Point scrollPosition() override { return Point(0, 0); }
    int frameCount() override { return 0; }
    Image snapshot(int) override { return Image(); }

private:
    bool called(const char* name, bool answer)
    {
        calls.push_back(name);
        return answer;
    }
};

// A wait's pump on a clock of its own: each sleep moves it on, and each pass
// may run a step the test gives, as a handler would.
class FakeWebBrowserPump : public WebBrowserPump
{
public:
    int64_t clock = 0;
    int passes = 0;
    bool quit = false;
    std::function<void()> onPass;

    bool dispatchWaiting() override
    {
        ++passes;
        if (onPass)
            onPass();
        return !quit;
    }
    void sleep(int ms) override { clock += ms; }
    int64_t nowMs() override { return clock; }
};
