#include "ui/views/web/UIWebViewDescriber.h"

#include "foundation/data/JsonValue.h"
#include "ui/core/automation/UIAutomationDescriber.h"
#include "ui/core/automation/UIAutomationText.h"
#include "ui/core/automation/UIAutomationTree.h"
#include "ui/views/web/UIWebView.h"
#include "ui/views/web/WebViewElement.h"

#include <memory>

namespace {

class WebViewDescriber : public UIAutomationDescriber
{
public:
    String text(const UIWidget* widget) const override { return static_cast<const UIWebView*>(widget)->text(); }
    int itemCount(const UIWidget* widget) const override
    {
        return int(static_cast<const UIWebView*>(widget)->elementsWithIds().size());
    }
    UIAutomationItem item(const UIWidget* widget, int index) const override
    {
        UIAutomationItem entry;
        std::vector<WebViewElement> elements = static_cast<const UIWebView*>(widget)->elementsWithIds();
        if (index < 0 || index >= int(elements.size()))
            return entry;
        entry.text = elements[size_t(index)].id;
        entry.rect = elements[size_t(index)].rect;
        return entry;
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
