#include "ui/views/web/UIWebViewDescriber.h"

#include "foundation/data/JsonValue.h"
#include "ui/core/automation/UIAutomationDescriber.h"
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
