#pragma once

#include "foundation/containers/List.h"
#include "foundation/geometry/Point.h"
#include "foundation/text/String.h"

#include <cstdint>
#include <string>

class UIWidget;

// The channel's hands: clicks are posted to the widget's window with the
// system cursor moved there; keys go through the system's input queue with
// the window in front, so the key state is real. Natively there is no
// screen: every call is false.
class UIAutomationInput
{
public:
    static constexpr int kLeftButton = 0;
    static constexpr int kRightButton = 1;

    // At a point of the widget; twice for a double click.
    static bool click(UIWidget* widget, const Point& at, int button, bool twice);
    static bool bringToFront(UIWidget* window);
    static bool typeText(const String& text);
    // Modifiers as UIAutomationKeys' bits, held around the key.
    static bool pressKey(int virtualKey, uint32_t modifiers);
    // A PNG of each window's screen area into REELSTACK_SHOTS as
    // "<prefix>-<title>.png", names cut to letters, digits and '-'; the
    // file names written.
    static List<String> shot(const List<UIWidget*>& windows, const std::string& prefix);
    // Letters, digits and '-' of the text, others dropped, at most 150.
    static std::string fileNamePart(const std::string& text);
};
