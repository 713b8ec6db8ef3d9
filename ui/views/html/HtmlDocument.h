#pragma once

#include "foundation/containers/StringList.h"
#include "foundation/geometry/Point.h"
#include "foundation/geometry/Size.h"
#include "foundation/text/String.h"
#include "graphics/image/Image.h"
#include "ui/views/html/HtmlFontCache.h"
#include "ui/views/html/HtmlImageStore.h"
#include "ui/views/html/HtmlNode.h"
#include "ui/views/html/HtmlPaintItem.h"
#include "ui/views/html/HtmlSelection.h"

#include <memory>
#include <vector>

class Painter;

// What lies under a point: the innermost element, and the anchor with a
// target around it (null when there is none).
struct HtmlHit
{
    const HtmlNode* element = nullptr;
    const HtmlNode* anchor = nullptr;
};

// One page of our own HTML engine, as the web view shows it: parsed,
// styled and laid out at the viewport's width, painted with a scroll offset
// and a zoom, and asked about its elements. It never runs scripts, never
// navigates and never reaches the network; images come from local files
// only, or not at all with images off.
class HtmlDocument
{
public:
    static constexpr int kMaxSourceLength = 8 << 20;
    static constexpr int kMinZoom = 10;
    static constexpr int kMaxZoom = 1000;
    // The width a snapshot lays the page out at before it grows to fit.
    static constexpr int kSnapshotWidth = 1024;
    // Behind marked text: the selection colour of the white skin.
    static constexpr uint32_t kMarkingColour = 0xFFDCE8FBu;

    HtmlDocument();
    ~HtmlDocument();
    HtmlDocument(const HtmlDocument&) = delete;
    HtmlDocument& operator=(const HtmlDocument&) = delete;

    // Replaces the page; false for an empty text, which keeps the page shown.
    // Text past kMaxSourceLength is left out.
    bool setHtml(const String& html);

    // A new width lays the page out again; any size keeps the scroll
    // position within the page.
    void setViewportSize(const Size& size);
    const Size& viewportSize() const { return m_viewport; }
    // What the page covers, at least the viewport's width.
    const Size& contentSize() const { return m_content; }

    // Percent, clamped to kMinZoom..kMaxZoom; the page is styled and laid out
    // again at the new scale.
    void setZoom(int percent);
    int zoom() const { return m_zoom; }

    void setImagesEnabled(bool enabled);
    void setImageLoader(const HtmlImageStore::Loader& loader);

    // The page's declared character set ("utf-8" when it declares none)
    // until set; an empty text changes nothing. The text is UTF-16 already,
    // so this is a label the view reports, not a decoding.
    void setCharset(const String& charset);
    const String& charset() const { return m_charset; }

    // Kept within the page.
    void scrollTo(const Point& position);
    const Point& scrollPosition() const { return m_scroll; }
    // Scrolls the element's top to the viewport's top as far as the page
    // allows; false when no element has the id.
    bool scrollToElement(const String& id);

    // Draws the viewport with its top-left corner at origin, clipped to it;
    // only the items that reach into the viewport are drawn.
    void paint(Painter& painter, const Point& origin) const;
    // A point in viewport coordinates.
    HtmlHit hitTest(const Point& point) const;

    const HtmlNode* root() const { return m_root.get(); }
    const HtmlNode* elementById(const String& id) const;
    String title() const;
    String html() const;
    String text() const;
    // The targets of every anchor that has one, in page order.
    StringList links() const;
    const std::vector<HtmlPaintItem>& items() const { return m_items; }

    // Marking text with the mouse: a press starts at the text nearest the
    // point (viewport coordinates), a drag extends to it.
    void selectAt(const Point& point, bool extend);
    // Moves the marking's focus by one character or line, starting at the
    // first line in view; false when nothing moved.
    bool extendSelection(HtmlSelection::Direction direction);
    String selectedText() const { return m_selection.text(); }
    bool hasSelection() const { return !m_selection.isEmpty(); }
    void clearSelection() { m_selection.clear(); }

    // The whole page drawn into an image at least minimumWidth wide; the
    // empty image where the platform has no surface to draw on. The page is
    // laid out again for the viewport afterwards.
    Image snapshot(int minimumWidth);

private:
    // The images of IMG elements and the background images of the others.
    void loadImages(HtmlNode* node);
    void restyle();
    void relayout();
    void clampScroll();
    void paintItem(Painter& painter, const HtmlPaintItem& item, const Point& offset) const;
    void paintMarking(Painter& painter, int index, const Point& offset) const;
    void paintCanvas(Painter& painter, const Rect& target) const;
    const HtmlNode* canvasElement() const;
    // Lays out at the width and paints the whole page onto a new image.
    Image renderPage(int width);

    std::unique_ptr<HtmlNode> m_root;
    std::vector<HtmlPaintItem> m_items;
    HtmlFontCache m_fonts;
    HtmlImageStore m_images;
    Size m_viewport;
    Size m_content;
    Point m_scroll;
    int m_zoom = 100;
    String m_charset;
    // Over m_items: forgotten whenever the layout places the text anew.
    HtmlSelection m_selection{m_items};
};
