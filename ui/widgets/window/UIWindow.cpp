#include "ui/widgets/window/UIWindow.h"

#include "graphics/paint/Painter.h"
#include "ui/core/theme/UIStyleValues.h"
#include "ui/widgets/window/UIColorOverlay.h"

#include <algorithm>

namespace {

using Style = UIWindow::Style;

const UIStyleField<Style> kFields[] = {
    {u"background", [](Style& s, const String& v) { s.background = parseStyleBrush(v); }},
    {u"borderColor", [](Style& s, const String& v) { s.borderColor = parseStyleColor(v); }},
    {u"dimAlpha", [](Style& s, const String& v) { s.dimAlpha = parseStyleInt(v); }},
};

} // namespace

UIWindow::UIWindow(UIWidget* parent, uint32_t windowFlags) : UIWidget(parent, windowFlags)
{
    setFlag(kWindow, true);
    setStyleName(String(u"UIWindow"));
    setWindowTitle(String(), true);
    setVerticalFlow(1);
}

UIStyleNames UIWindow::styleNames()
{
    return UIStyleNames{String(u"UIWindow"), styleFieldNames(kFields), {}};
}

void UIWindow::setStyleProperty(const String& name, const String& value)
{
    applyStyleField(kFields, m_style, name, value);
}

Color UIWindow::dimColor() const
{
    return Color(static_cast<uint8_t>(std::clamp(m_style.dimAlpha, 0, 255)), 0, 0, 0);
}

void UIWindow::setDimmed(bool on)
{
    if (!on) {
        clearEffects();
        return;
    }
    addEffect(new UIColorOverlay(dimColor()));
    setEffectEnabled(UIColorOverlay::kId, true);
}

bool UIWindow::isDimmed() const
{
    return hasEffect(UIColorOverlay::kId);
}

void UIWindow::draw(Painter& painter) const
{
    painter.fillRect(rect(), m_style.background);
    if (m_style.borderColor.alpha() == 0)
        return;
    painter.setPen(Pen(m_style.borderColor));
    painter.drawRect(0, 0, width() - 1, height() - 1);
}

void UIWindow::paint(UIEvent*)
{
    Painter painter(paintTarget());
    draw(painter);
}
