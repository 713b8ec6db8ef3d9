#include "ui/widgets/buttons/UIIndicatorStyle.h"

#include "graphics/paint/FontMetrics.h"
#include "graphics/paint/Painter.h"
#include "ui/core/theme/UIStyleValues.h"
#include "ui/widgets/buttons/UIAbstractButton.h"

#include <algorithm>

namespace {

using Style = UIIndicatorStyle;

const UIStyleField<Style> kFields[] = {
    {u"font", [](Style& s, const String& v) { s.font = parseStyleFont(v); }},
    {u"foreground", [](Style& s, const String& v) { s.foreground = parseStylePen(v); }},
    {u"shadowForeground", [](Style& s, const String& v) { s.shadowForeground = parseStylePen(v); }},
    {u"shadowOffset", [](Style& s, const String& v) { s.shadowOffset = parseStylePoint(v); }},
    {u"disabledForeground", [](Style& s, const String& v) { s.disabledForeground = parseStylePen(v); }},
    {u"disabledShadowForeground",
     [](Style& s, const String& v) { s.disabledShadowForeground = parseStylePen(v); }},
    {u"indicatorSize", [](Style& s, const String& v) { s.indicatorSize = parseStyleSize(v); }},
    {u"indicatorSpacing", [](Style& s, const String& v) { s.indicatorSpacing = parseStyleInt(v); }},
};

// Room after the text for a shadow's last pixel.
constexpr int kTextMargin = 2;

} // namespace

std::vector<String> UIIndicatorStyle::propertyNames()
{
    return styleFieldNames(kFields);
}

void UIIndicatorStyle::setProperty(const String& name, const String& value)
{
    applyStyleField(kFields, *this, name, value);
}

int UIIndicatorStyle::stateFrame(const UIAbstractButton& button)
{
    if (!button.isEnabled())
        return 3;
    if (button.isMouseDown() && button.isHovered())
        return 2;
    return button.isMouseDown() || button.isHovered() ? 1 : 0;
}

Size UIIndicatorStyle::sizeHint(const String& text, bool withEmptyText) const
{
    const FontMetrics metrics(font, nullptr);
    int width = indicatorSize.width;
    if (withEmptyText || !text.isEmpty())
        width += indicatorSpacing + metrics.textWidth(text.data(), text.length(), false) + kTextMargin;
    return Size(width, std::max(metrics.height(), indicatorSize.height));
}

void UIIndicatorStyle::draw(Painter& painter, const UIAbstractButton& button, int frame) const
{
    indicator.drawAligned(painter, Rect(0, 0, indicatorSize.width, button.height()), 48, frame, nullptr);
    if (button.text().isEmpty())
        return;
    const int x = indicatorSize.width + indicatorSpacing;
    const Rect textRect(x, 0, std::max(0, button.width() - x), button.height());
    const bool enabled = button.isEnabled();
    painter.setFont(font);
    painter.setPen(enabled ? shadowForeground : disabledShadowForeground);
    painter.drawText(
        button.text(),
        Rect(textRect.x + shadowOffset.x, textRect.y + shadowOffset.y, textRect.width, textRect.height),
        button.textAlignment(), 0, false, nullptr);
    painter.setPen(enabled ? foreground : disabledForeground);
    painter.drawText(button.text(), textRect, button.textAlignment(), 0, false, nullptr);
}
