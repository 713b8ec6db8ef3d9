#pragma once

#include "graphics/paint/FontDesc.h"
#include "graphics/paint/Pen.h"
#include "ui/core/theme/UISkinImage.h"
#include "ui/widgets/UIStyleNames.h"

class Painter;
class UIAbstractButton;

// The look the check box and the radio button share: an indicator from the
// skin, drawn unscaled, followed by the text with a drop shadow.
struct UIIndicatorStyle
{
    FontDesc font;
    Pen foreground;
    Pen shadowForeground;
    Point shadowOffset = Point(0, 0);
    Pen disabledForeground;
    Pen disabledShadowForeground;
    Size indicatorSize = Size(0, 0);
    int indicatorSpacing = 0;
    UISkinImage indicator;

    static std::vector<String> propertyNames();
    void setProperty(const String& name, const String& value);

    // The state part of an indicator frame: 3 disabled, 2 pressed with the
    // pointer over it, 1 pressed or hovered, else 0.
    static int stateFrame(const UIAbstractButton& button);
    // Indicator width, then the spacing, the text and 2 more when
    // withEmptyText or the text is not empty.
    Size sizeHint(const String& text, bool withEmptyText) const;
    void draw(Painter& painter, const UIAbstractButton& button, int frame) const;
};
