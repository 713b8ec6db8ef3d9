#include "ui/widgets/decorative/UIBox.h"

#include "graphics/paint/Painter.h"
#include "ui/core/theme/UIStyleValues.h"

namespace {

const UIStyleField<UIBox::Style> kFields[] = {
    {u"background", [](UIBox::Style& s, const String& v) { s.background = parseStyleBrush(v); }},
};

} // namespace

UIBox::UIBox(UIWidget* parent) : UIWidget(parent)
{
    setStyleName(String(u"UIBox"));
    setFlag(kTransparent, true);
    setSizePolicy(UISizePolicy::kPreferred, UISizePolicy::kPreferred);
}

UIStyleNames UIBox::styleNames()
{
    return UIStyleNames{String(u"UIBox"), styleFieldNames(kFields), {}};
}

void UIBox::setStyleProperty(const String& name, const String& value)
{
    applyStyleField(kFields, m_style, name, value);
}

void UIBox::draw(Painter& painter) const
{
    if (m_style.background.isVisible())
        painter.fillRect(rect(), m_style.background);
}

void UIBox::paint(UIEvent*)
{
    Painter painter(paintTarget());
    draw(painter);
}
