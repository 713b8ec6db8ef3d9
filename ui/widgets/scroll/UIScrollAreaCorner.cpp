#include "ui/widgets/scroll/UIScrollAreaCorner.h"

#include "graphics/paint/Painter.h"
#include "ui/core/theme/UIStyleValues.h"

namespace {

const UIStyleField<UIScrollAreaCorner::Style> kFields[] = {
    {u"background", [](UIScrollAreaCorner::Style& s, const String& v) { s.background = parseStyleBrush(v); }},
};

} // namespace

UIScrollAreaCorner::UIScrollAreaCorner(UIWidget* parent) : UIWidget(parent)
{
    setFlag(kTransparent, false);
    setSizePolicy(UISizePolicy::kPreferred, UISizePolicy::kPreferred);
    setStyleName(String(u"UIScrollAreaCorner"));
}

UIStyleNames UIScrollAreaCorner::styleNames()
{
    return UIStyleNames{String(u"UIScrollAreaCorner"), styleFieldNames(kFields), {}};
}

void UIScrollAreaCorner::setStyleProperty(const String& name, const String& value)
{
    applyStyleField(kFields, m_style, name, value);
}

void UIScrollAreaCorner::paint(UIEvent*)
{
    Painter painter(paintTarget());
    draw(painter);
}

void UIScrollAreaCorner::draw(Painter& painter) const
{
    if (m_style.background.isVisible())
        painter.fillRect(rect(), m_style.background);
}
