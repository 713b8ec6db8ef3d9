#include "ui/views/web/browser/WebBrowserHost.h"

#include "ui/views/web/BrowserVersion.h"
#include "ui/views/web/browser/WebBrowserControl.h"
#include "ui/views/web/browser/WebBrowserPump.h"

namespace {

constexpr int kComplete = 4;

} // namespace

WebBrowserHost::WebBrowserHost(std::unique_ptr<WebBrowserControl> control,
                               std::shared_ptr<WebBrowserPump> pump, WebViewEventSink* sink, uint32_t options)
    : m_control(std::move(control)), m_pump(std::move(pump)), m_sink(sink), m_options(options),
      m_events(this), m_alive(std::make_shared<bool>(true))
{
    if (!m_control)
        return;
    m_control->connect(&m_events);
    resetDocument();
}

WebBrowserHost::~WebBrowserHost()
{
    *m_alive = false;
    if (m_control)
        m_control->connect(nullptr);
}

bool WebBrowserHost::navigate(const String& address, int seconds)
{
    if (!m_control || !m_control->navigate(address))
        return false;
    return waitUntilComplete(seconds);
}

bool WebBrowserHost::waitUntilComplete(int seconds)
{
    if (seconds == 0)
        return true;
    if (!m_control || !m_pump || m_waitDepth >= kMaxWaitDepth)
        return false;
    const int capped = seconds < 0 || seconds > kMaxWaitSeconds ? kMaxWaitSeconds : seconds;
    const std::shared_ptr<bool> alive = m_alive;
    ++m_waitDepth;
    const bool complete = waitFor(int64_t(capped) * 1000);
    if (*alive)
        --m_waitDepth;
    return complete && *alive;
}

// The time is taken before the pump and the sleep of a pass, so the last
// pass may end up to one pump and one poll past the limit.
bool WebBrowserHost::waitFor(int64_t limitMs)
{
    const std::shared_ptr<bool> alive = m_alive;
    const std::shared_ptr<WebBrowserPump> pump = m_pump;
    const int64_t start = pump->nowMs();
    for (;;) {
        const int64_t now = pump->nowMs();
        const bool quitting = !pump->dispatchWaiting();
        if (!*alive || quitting)
            return false;
        int state = 0;
        if (!m_control->readyState(state))
            return false;
        if (state == kComplete)
            return true;
        pump->sleep(kPollMs);
        if (now - start >= limitMs)
            return false;
    }
}

bool WebBrowserHost::resetDocument()
{
    if (!m_control)
        return false;
    if (!m_control->hasDocument())
        return navigate(String(u"about:blank"), -1);
    if (!m_control->openDocument())
        return false;
    m_control->cacheBackgroundImages();
    return true;
}

bool WebBrowserHost::writeHtml(const String& html, int seconds)
{
    if (html.isEmpty() || !m_control)
        return false;
    const std::shared_ptr<bool> alive = m_alive;
    resetDocument();
    if (!*alive)
        return false;
    bool written = m_control->openDocument();
    if (written) {
        written = m_control->writeDocument(html);
        written = m_control->closeDocument() && written;
    }
    if (!written)
        return false;
    return waitUntilComplete(seconds);
}

void WebBrowserHost::setUserAgent(const String& text)
{
    m_userAgent = text;
    if (!m_control || !m_control->userAgentChanged())
        m_userAgent = String();
}

void WebBrowserHost::runCommand(int command)
{
    if (m_control)
        m_control->run(WebBrowserControl::Command(command));
}

void WebBrowserHost::goBack()
{
    runCommand(WebBrowserControl::kGoBack);
}

void WebBrowserHost::goForward()
{
    runCommand(WebBrowserControl::kGoForward);
}

void WebBrowserHost::refresh()
{
    runCommand(WebBrowserControl::kRefresh);
}

void WebBrowserHost::stop()
{
    runCommand(WebBrowserControl::kStop);
}

void WebBrowserHost::print()
{
    runCommand(WebBrowserControl::kPrint);
}

void WebBrowserHost::find()
{
    runCommand(WebBrowserControl::kFind);
}

void WebBrowserHost::selectAll()
{
    runCommand(WebBrowserControl::kSelectAll);
}

void WebBrowserHost::copy()
{
    runCommand(WebBrowserControl::kCopy);
}

bool WebBrowserHost::isOffline()
{
    return m_control && m_control->property(WebBrowserControl::kOffline);
}

void WebBrowserHost::setOffline(bool offline)
{
    if (m_control)
        m_control->setProperty(WebBrowserControl::kOffline, offline);
}

bool WebBrowserHost::isSilent()
{
    return m_control && m_control->property(WebBrowserControl::kSilent);
}

void WebBrowserHost::setSilent(bool silent)
{
    if (m_control)
        m_control->setProperty(WebBrowserControl::kSilent, silent);
}

int WebBrowserHost::frameCount()
{
    return m_control ? m_control->frameCount() : 0;
}

String WebBrowserHost::url() const
{
    return m_control ? m_control->locationUrl() : String();
}

String WebBrowserHost::html() const
{
    return m_control ? m_control->documentHtml() : String();
}

String WebBrowserHost::text() const
{
    return m_control ? m_control->documentText() : String();
}

StringList WebBrowserHost::links() const
{
    return m_control ? m_control->links() : StringList();
}

String WebBrowserHost::selectedText() const
{
    return m_control ? m_control->selectedText() : String();
}

int WebBrowserHost::readyState() const
{
    int state = 0;
    if (!m_control || !m_control->readyState(state) || state <= 0 || state > kComplete)
        return 2;
    return state == kComplete ? 0 : 1;
}

void WebBrowserHost::setZoom(int percent)
{
    if (m_control)
        m_control->setZoom(percent);
}

int WebBrowserHost::zoom() const
{
    int percent = 0;
    return m_control && m_control->zoom(percent) ? percent : 100;
}

void WebBrowserHost::setCharset(const String& charset)
{
    if (m_control && !charset.isEmpty())
        m_control->setCharset(charset);
}

String WebBrowserHost::charset() const
{
    return m_control ? m_control->charset() : String();
}

String WebBrowserHost::browserVersion() const
{
    return BrowserVersion::installed();
}

Image WebBrowserHost::snapshot(int minimumWidth)
{
    return m_control ? m_control->snapshot(minimumWidth) : Image();
}

bool WebBrowserHost::scrollToElement(const String& id)
{
    return m_control && m_control->scrollToElement(id);
}

void WebBrowserHost::scrollTo(const Point& position)
{
    if (m_control)
        m_control->scrollTo(position);
}

Point WebBrowserHost::scrollPosition() const
{
    return m_control ? m_control->scrollPosition() : Point(0, 0);
}

WebViewElement WebBrowserHost::elementAt(const Point& point) const
{
    return m_control ? m_control->elementAt(point, nullptr) : WebViewElement();
}

std::vector<WebViewElement> WebBrowserHost::elementsWithIds() const
{
    return m_control ? m_control->elementsWithIds() : std::vector<WebViewElement>();
}

std::vector<WebViewElement> WebBrowserHost::anchors() const
{
    return m_control ? m_control->anchors() : std::vector<WebViewElement>();
}

void WebBrowserHost::setPlace(const Rect& inWindow)
{
    if (m_control)
        m_control->place(inWindow);
}

void WebBrowserHost::setVisible(bool visible)
{
    if (m_control)
        m_control->show(visible);
}
