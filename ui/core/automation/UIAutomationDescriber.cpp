#include "ui/core/automation/UIAutomationDescriber.h"

#include "ui/core/automation/UIAutomationText.h"
#include "ui/core/widget/UIWidget.h"

#include <map>

namespace {

std::map<std::string, std::unique_ptr<UIAutomationDescriber>>& registry()
{
    static std::map<std::string, std::unique_ptr<UIAutomationDescriber>> describers;
    return describers;
}

} // namespace

void UIAutomationDescriber::registerFor(const String& styleName,
                                        std::unique_ptr<UIAutomationDescriber> describer)
{
    registry()[utf8Of(styleName)] = std::move(describer);
}

const UIAutomationDescriber* UIAutomationDescriber::forWidget(const UIWidget* widget)
{
    if (!widget)
        return nullptr;
    auto found = registry().find(utf8Of(widget->styleName()));
    return found == registry().end() ? nullptr : found->second.get();
}
