#include "ui/views/web/HtmlViewEngine.h"

#include "graphics/paint/Painter.h"
#include "ui/views/web/WebViewEventSink.h"

namespace {

const char16_t kBlankAddress[] = u"about:blank";
const char16_t kBlankPage[] = u"<html><head></head><body></body></html>";
// One line of a page that has no body to measure.
constexpr int kDefaultLineHeight = 16;

} // namespace

HtmlViewEngine::HtmlViewEngine(WebViewEventSink* sink, bool imagesEnabled) : m_sink(sink)
{
    m_document.setImagesEnabled(imagesEnabled);
    m_document.setHtml(String(kBlankPage));
}

bool HtmlViewEngine::setHtml(const String& html)
{
    if (!m_document.setHtml(html))
        return false;
    m_status = String();
    finishLoad();
    return true;
}

void HtmlViewEngine::finishLoad()
{
    const String title = m_document.title();
    if (title != m_title) {
        m_title = title;
        if (!m_sink->titleChanged(title))
            return;
    }
    m_sink->documentComplete();
}

bool HtmlViewEngine::navigate(const String& address)
{
    if (!String::equalsCString(address, kBlankAddress))
        return false;
    reset();
    finishLoad();
    return true;
}

String HtmlViewEngine::url() const
{
    return String(kBlankAddress);
}

void HtmlViewEngine::reset()
{
    m_document.setHtml(String(kBlankPage));
    m_status = String();
    m_pressed = false;
    m_marking = false;
}

bool HtmlViewEngine::extendSelection(int direction)
{
    if (direction < HtmlSelection::kLeft || direction > HtmlSelection::kDown)
        return false;
    return m_document.extendSelection(static_cast<HtmlSelection::Direction>(direction));
}

int HtmlViewEngine::lineHeight() const
{
    const HtmlNode* body = m_document.root() ? m_document.root()->findByTag(u"BODY") : nullptr;
    const int height = body ? body->style().lineBoxHeight() : 0;
    return height > 0 ? height : kDefaultLineHeight;
}

void HtmlViewEngine::setViewport(const Rect& rect)
{
    m_viewport = rect;
    m_document.setViewportSize(rect.size());
}

void HtmlViewEngine::paint(Painter& painter) const
{
    m_document.paint(painter, Point(m_viewport.x, m_viewport.y));
}

HtmlHit HtmlViewEngine::hitAt(const Point& point) const
{
    if (!m_viewport.contains(point))
        return HtmlHit();
    return m_document.hitTest(Point(point.x - m_viewport.x, point.y - m_viewport.y));
}

WebViewElement HtmlViewEngine::describe(const HtmlNode* node) const
{
    WebViewElement element;
    if (!node)
        return element;
    const Point scroll = m_document.scrollPosition();
    const Rect& box = node->rect();
    element.tag = node->tag();
    element.id = node->id();
    element.text = node->innerText();
    element.rect =
        Rect(box.x - scroll.x + m_viewport.x, box.y - scroll.y + m_viewport.y, box.width, box.height);
    return element;
}

WebViewElement HtmlViewEngine::elementAt(const Point& point) const
{
    return describe(hitAt(point).element);
}

void HtmlViewEngine::collectIds(const HtmlNode* node, std::vector<WebViewElement>& out) const
{
    if (node->isElement() && !node->id().isEmpty())
        out.push_back(describe(node));
    for (const auto& child : node->children())
        collectIds(child.get(), out);
}

std::vector<WebViewElement> HtmlViewEngine::elementsWithIds() const
{
    std::vector<WebViewElement> out;
    if (m_document.root())
        collectIds(m_document.root(), out);
    return out;
}

void HtmlViewEngine::collectAnchors(const HtmlNode* node, std::vector<WebViewElement>& out) const
{
    if (node->isElement() && node->hasTag(u"A") && !node->attribute(u"href").isEmpty()) {
        WebViewElement anchor = describe(node);
        anchor.href = node->attribute(u"href");
        out.push_back(anchor);
    }
    for (const auto& child : node->children())
        collectAnchors(child.get(), out);
}

std::vector<WebViewElement> HtmlViewEngine::anchors() const
{
    std::vector<WebViewElement> out;
    if (m_document.root())
        collectAnchors(m_document.root(), out);
    return out;
}

void HtmlViewEngine::mousePress(const Point& point, int button)
{
    if (button != kLeftButton)
        return;
    m_pressed = hitAt(point).element != nullptr;
    m_marking = m_viewport.contains(point);
    if (m_marking)
        m_document.selectAt(Point(point.x - m_viewport.x, point.y - m_viewport.y), false);
}

void HtmlViewEngine::mouseRelease(const Point& point, int button)
{
    if (button == kLeftButton)
        m_marking = false;
    if (button != kLeftButton || !m_pressed)
        return;
    m_pressed = false;
    const HtmlHit hit = hitAt(point);
    if (!hit.element || hit.element->tag().isEmpty())
        return;
    // Copies: a slot of the first report may replace the page or delete the
    // view and this engine with it.
    const String tag = hit.element->tag();
    const String id = hit.element->id();
    const bool inLink = hit.anchor != nullptr;
    const String href = inLink ? hit.anchor->attribute(u"href") : String();
    const String linkId = inLink ? hit.anchor->id() : String();
    WebViewEventSink* sink = m_sink;
    if (!sink->elementClicked(tag, id) || !inLink)
        return;
    sink->linkClicked(href, linkId);
}

void HtmlViewEngine::mouseMove(const Point& point)
{
    if (m_marking)
        m_document.selectAt(Point(point.x - m_viewport.x, point.y - m_viewport.y), true);
    const HtmlHit hit = hitAt(point);
    const String status = hit.anchor ? hit.anchor->attribute(u"href") : String();
    if (status == m_status)
        return;
    m_status = status;
    m_sink->statusTextChanged(status);
}

int HtmlViewEngine::cursorAt(const Point& point) const
{
    const HtmlHit hit = hitAt(point);
    if (hit.anchor || (hit.element && hit.element->style().pointerCursor))
        return kHandCursor;
    return kArrowCursor;
}
