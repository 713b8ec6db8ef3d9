#include "ui/views/web/UIWebViewDescriber.h"

#include "foundation/data/JsonValue.h"
#include "ui/core/automation/UIAutomationDescriber.h"
#include "ui/core/automation/UIAutomationText.h"
#include "ui/core/automation/UIAutomationTree.h"
#include "ui/views/web/UIWebView.h"
#include "ui/views/web/WebViewElement.h"

#include <memory>

namespace {

// The entries are the elements with ids, named by their ids, then the
// anchors, named by the text they show: a driven user clicks a link where
// its words are, as a person reading the page would, scrolling to it first.
class WebViewDescriber : public UIAutomationDescriber
{
public:
    String text(const UIWidget* widget) const override
    {
        return static_cast<const UIWebView*>(widget)->text();
    }
    int itemCount(const UIWidget* widget) const override
    {
        const auto* view = static_cast<const UIWebView*>(widget);
        return int(view->elementsWithIds().size() + view->anchors().size());
    }
    UIAutomationItem item(const UIWidget* widget, int index) const override
    {
        UIAutomationItem entry;
        const auto* view = static_cast<const UIWebView*>(widget);
        std::vector<WebViewElement> elements = view->elementsWithIds();
        const int ids = int(elements.size());
        if (index >= ids) {
            elements = view->anchors();
            index -= ids;
        }
        if (index < 0 || index >= int(elements.size()))
            return entry;
        const WebViewElement& element = elements[size_t(index)];
        entry.text = element.href.isEmpty() ? element.id : element.text;
        entry.rect = element.rect;
        return entry;
    }
    // Scrolls an entry the view does not show whole to the middle of it.
    void reveal(UIWidget* widget, int index) const override
    {
        auto* view = static_cast<UIWebView*>(widget);
        const Rect rect = item(widget, index).rect;
        if (rect.isEmpty() || Rect(0, 0, view->width(), view->height()).containsRect(rect))
            return;
        const Point scroll = view->scrollPosition();
        view->scrollTo(Point(scroll.x, scroll.y + rect.y - (view->height() - rect.height) / 2));
    }
};

} // namespace

void installWebViewDescriber()
{
    UIAutomationDescriber::registerFor(String(u"UIWebView"), std::make_unique<WebViewDescriber>());
}

JsonValue webViewElementsJson(const UIWebView& view)
{
    JsonValue elements = JsonValue::array();
    const Point origin = view.mapToGlobal(Point(0, 0));
    for (const WebViewElement& element : view.elementsWithIds()) {
        JsonValue entry = JsonValue::object();
        entry.set("id", utf8Of(element.id));
        entry.set("tag", utf8Of(element.tag));
        entry.set("rect", UIAutomationTree::rectOf(origin.x + element.rect.x, origin.y + element.rect.y,
                                                   element.rect.width, element.rect.height));
        elements.append(std::move(entry));
    }
    return elements;
}
