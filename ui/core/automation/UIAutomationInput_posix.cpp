#include "ui/core/automation/UIAutomationInput.h"

bool UIAutomationInput::click(UIWidget*, const Point&, int, bool)
{
    return false;
}

bool UIAutomationInput::bringToFront(UIWidget*)
{
    return false;
}

bool UIAutomationInput::typeText(const String&)
{
    return false;
}

bool UIAutomationInput::pressKey(int, uint32_t)
{
    return false;
}

List<String> UIAutomationInput::shot(const List<UIWidget*>&, const std::string&)
{
    return List<String>();
}
