#include "ui/views/html/HtmlDocument.h"

#include "graphics/paint/Painter.h"
#include "ui/views/html/HtmlLayout.h"
#include "ui/views/html/HtmlStyler.h"
#include "ui/views/html/HtmlTreeBuilder.h"

#include <algorithm>

namespace {

bool intersects(const Rect& a, const Rect& b)
{
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

Rect moved(const Rect& rect, const Point& offset)
{
    return Rect(rect.x + offset.x, rect.y + offset.y, rect.width, rect.height);
}

void collectLinks(const HtmlNode* node, StringList& links)
{
    if (node->hasTag(u"A") && !node->attribute(u"href").isEmpty())
        links.append(node->attribute(u"href"));
    for (const auto& child : node->children())
        collectLinks(child.get(), links);
}

// The innermost element whose box holds the point, going down through the
// last (topmost) child that holds it.
const HtmlNode* innermostAt(const HtmlNode* node, const Point& point)
{
    for (auto it = node->children().rbegin(); it != node->children().rend(); ++it) {
        const HtmlNode* child = it->get();
        if (child->isElement() && child->style().display != HtmlStyle::kNone && child->rect().contains(point))
            return innermostAt(child, point);
    }
    return node;
}

// What the page's meta element declares, "<meta charset=x>" or the
// "charset=x" of its content type; "utf-8" when it declares nothing.
String declaredCharset(const HtmlNode* root)
{
    const HtmlNode* head = root->findByTag(u"HEAD");
    for (const auto& child : head ? head->children() : root->children()) {
        if (!child->hasTag(u"META"))
            continue;
        if (child->hasAttribute(u"charset"))
            return child->attribute(u"charset").trim();
        const String& content = child->attribute(u"content");
        const int at = content.find(String(u"charset="), 0, 1);
        if (at >= 0)
            return content.midFrom(at + 8).trim();
    }
    return String(u"utf-8");
}

} // namespace

HtmlDocument::HtmlDocument() = default;

HtmlDocument::~HtmlDocument() = default;

bool HtmlDocument::setHtml(const String& html)
{
    if (html.isEmpty())
        return false;
    const String source = html.length() > kMaxSourceLength ? html.mid(0, kMaxSourceLength) : html;
    m_root = HtmlTreeBuilder().build(source);
    m_charset = declaredCharset(m_root.get());
    m_images.clear();
    m_scroll = Point();
    restyle();
    return true;
}

void HtmlDocument::loadImages(HtmlNode* node)
{
    if (node->hasTag(u"IMG"))
        node->setImage(m_images.image(node->attribute(u"src")));
    else if (!node->style().backgroundImage.isEmpty())
        node->setImage(m_images.image(node->style().backgroundImage));
    for (const auto& child : node->children())
        loadImages(child.get());
}

void HtmlDocument::restyle()
{
    if (!m_root)
        return;
    HtmlStyler(m_fonts, m_zoom).styleTree(m_root.get());
    loadImages(m_root.get());
    relayout();
}

void HtmlDocument::relayout()
{
    m_selection.clear();
    if (!m_root)
        return;
    m_content = HtmlLayout(m_items).layoutDocument(m_root.get(), std::max(0, m_viewport.width));
    clampScroll();
}

void HtmlDocument::setViewportSize(const Size& size)
{
    const bool rewrap = size.width != m_viewport.width;
    m_viewport = Size(std::max(0, size.width), std::max(0, size.height));
    if (rewrap)
        relayout();
    else
        clampScroll();
}

void HtmlDocument::setZoom(int percent)
{
    const int zoom = std::max(kMinZoom, std::min(percent, kMaxZoom));
    if (zoom == m_zoom)
        return;
    m_zoom = zoom;
    restyle();
}

void HtmlDocument::setImagesEnabled(bool enabled)
{
    if (enabled == m_images.isEnabled())
        return;
    m_images.setEnabled(enabled);
    m_images.clear();
    restyle();
}

void HtmlDocument::setImageLoader(const HtmlImageStore::Loader& loader)
{
    m_images.setLoader(loader);
}

void HtmlDocument::setCharset(const String& charset)
{
    if (!charset.isEmpty())
        m_charset = charset;
}

void HtmlDocument::clampScroll()
{
    const int maxX = std::max(0, m_content.width - m_viewport.width);
    const int maxY = std::max(0, m_content.height - m_viewport.height);
    m_scroll = Point(std::max(0, std::min(m_scroll.x, maxX)), std::max(0, std::min(m_scroll.y, maxY)));
}

void HtmlDocument::scrollTo(const Point& position)
{
    m_scroll = position;
    clampScroll();
}

bool HtmlDocument::scrollToElement(const String& id)
{
    const HtmlNode* element = elementById(id);
    if (!element)
        return false;
    scrollTo(Point(m_scroll.x, element->rect().y));
    return true;
}

const HtmlNode* HtmlDocument::elementById(const String& id) const
{
    return m_root ? m_root->findById(id) : nullptr;
}

String HtmlDocument::title() const
{
    const HtmlNode* title = m_root ? m_root->findByTag(u"TITLE") : nullptr;
    if (!title)
        return String();
    String text;
    for (const auto& child : title->children())
        text.append(child->text());
    return text.collapseWhitespace().trim();
}

String HtmlDocument::html() const
{
    return m_root ? m_root->outerHtml() : String();
}

String HtmlDocument::text() const
{
    return m_root ? m_root->innerText() : String();
}

StringList HtmlDocument::links() const
{
    StringList links;
    if (m_root)
        collectLinks(m_root.get(), links);
    return links;
}

HtmlHit HtmlDocument::hitTest(const Point& point) const
{
    HtmlHit hit;
    if (!m_root || point.x < 0 || point.y < 0)
        return hit;
    const Point at(point.x + m_scroll.x, point.y + m_scroll.y);
    // Text, images and inline boxes are hit exactly; blocks by their boxes.
    for (auto it = m_items.rbegin(); it != m_items.rend() && !hit.element; ++it) {
        const HtmlNode* node = it->node;
        const bool inlineBox = it->kind == HtmlPaintItem::kBox && !node->style().isBlockLevel();
        if ((it->kind == HtmlPaintItem::kBox && !inlineBox) || !it->rect.contains(at))
            continue;
        hit.element = node->isText() ? node->parent() : node;
    }
    if (!hit.element)
        hit.element = innermostAt(m_root.get(), at);
    // The body is the canvas: the empty page around it answers as the body.
    if (hit.element == m_root.get() && m_root->findByTag(u"BODY"))
        hit.element = m_root->findByTag(u"BODY");
    for (const HtmlNode* node = hit.element; node; node = node->parent()) {
        if (node->hasTag(u"A") && node->hasAttribute(u"href")) {
            hit.anchor = node;
            break;
        }
    }
    return hit;
}

const HtmlNode* HtmlDocument::canvasElement() const
{
    if (!m_root)
        return nullptr;
    const HtmlStyle& style = m_root->style();
    if (style.backgroundColor.isVisible() || !style.backgroundImage.isEmpty())
        return m_root.get();
    return m_root->findByTag(u"BODY");
}

void HtmlDocument::paintCanvas(Painter& painter, const Rect& target) const
{
    const HtmlNode* canvas = canvasElement();
    Color color(0xFFFFFFFFu);
    if (canvas && canvas->style().backgroundColor.isVisible())
        color = Color(255, 255, 255).blendedWith(canvas->style().backgroundColor);
    painter.fillRect(target, color);
    if (!canvas || canvas->style().backgroundImage.isEmpty())
        return;
    const Image& tile = canvas->image();
    if (tile.isNull() || tile.width() < 1 || tile.height() < 1)
        return;
    // Tiles stay fixed to the page while it scrolls.
    const int shiftX = m_scroll.x % tile.width();
    const int shiftY = m_scroll.y % tile.height();
    painter.tileImage(
        tile, Rect(target.x - shiftX, target.y - shiftY, target.width + shiftX, target.height + shiftY));
}

void HtmlDocument::paint(Painter& painter, const Point& origin) const
{
    const Rect target(origin.x, origin.y, m_viewport.width, m_viewport.height);
    if (!m_root || target.isEmpty())
        return;
    painter.setClipRect(target);
    paintCanvas(painter, target);
    const Rect visible(m_scroll.x, m_scroll.y, m_viewport.width, m_viewport.height);
    const Point offset(origin.x - m_scroll.x, origin.y - m_scroll.y);
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (!intersects(m_items[i].rect, visible))
            continue;
        paintMarking(painter, static_cast<int>(i), offset);
        paintItem(painter, m_items[i], offset);
    }
    painter.resetClip();
}

void HtmlDocument::selectAt(const Point& point, bool extend)
{
    const Point inPage(point.x + m_scroll.x, point.y + m_scroll.y);
    if (extend)
        m_selection.extendTo(inPage);
    else
        m_selection.startAt(inPage);
}

bool HtmlDocument::extendSelection(HtmlSelection::Direction direction)
{
    return m_selection.extend(direction, m_scroll.y);
}

// The marked part of a text item, behind its text.
void HtmlDocument::paintMarking(Painter& painter, int index, const Point& offset) const
{
    int from = 0;
    int to = 0;
    if (!m_selection.markedRange(index, from, to))
        return;
    const Rect& rect = m_items[static_cast<size_t>(index)].rect;
    const int left = m_selection.xOf(HtmlTextPosition{index, from});
    const int right = m_selection.xOf(HtmlTextPosition{index, to});
    painter.fillRect(Rect(left + offset.x, rect.y + offset.y, right - left, rect.height),
                     Color(kMarkingColour));
}

void HtmlDocument::paintItem(Painter& painter, const HtmlPaintItem& item, const Point& offset) const
{
    const Rect rect = moved(item.rect, offset);
    const HtmlStyle& style = item.node->effectiveStyle();
    switch (item.kind) {
    case HtmlPaintItem::kBox: {
        const bool canvas = item.node == canvasElement();
        if (style.backgroundColor.isVisible() && !canvas)
            painter.fillRect(rect, style.backgroundColor);
        if (!canvas && !item.node->hasTag(u"IMG") && !item.node->image().isNull())
            painter.tileImage(item.node->image(), rect);
        const int top = style.borderWidth[HtmlStyle::kTop];
        const int right = style.borderWidth[HtmlStyle::kRight];
        const int bottom = style.borderWidth[HtmlStyle::kBottom];
        const int left = style.borderWidth[HtmlStyle::kLeft];
        painter.fillRect(Rect(rect.x, rect.y, rect.width, top), style.borderColor[HtmlStyle::kTop]);
        painter.fillRect(Rect(rect.x, rect.y + rect.height - bottom, rect.width, bottom),
                         style.borderColor[HtmlStyle::kBottom]);
        painter.fillRect(Rect(rect.x, rect.y, left, rect.height), style.borderColor[HtmlStyle::kLeft]);
        painter.fillRect(Rect(rect.x + rect.width - right, rect.y, right, rect.height),
                         style.borderColor[HtmlStyle::kRight]);
        break;
    }
    case HtmlPaintItem::kImage:
        if (!item.node->image().isNull() && !rect.isEmpty())
            painter.drawImage(item.node->image(), rect);
        break;
    case HtmlPaintItem::kText:
    case HtmlPaintItem::kMarker:
        if (!style.metrics || item.text.isEmpty())
            break;
        painter.setFont(style.metrics->font());
        painter.setPenColor(style.color);
        painter.drawText(item.text.data(), item.text.length(), rect.x, rect.y);
        break;
    }
}

Image HtmlDocument::snapshot(int minimumWidth)
{
    if (!m_root)
        return Image();
    const int viewportWidth = m_viewport.width;
    m_content = HtmlLayout(m_items).layoutDocument(m_root.get(), kSnapshotWidth);
    const int width = std::max(m_content.width, minimumWidth);
    Image image = renderPage(width);
    m_content = HtmlLayout(m_items).layoutDocument(m_root.get(), std::max(0, viewportWidth));
    clampScroll();
    return image;
}
