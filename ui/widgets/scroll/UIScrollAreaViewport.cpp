#include "ui/widgets/scroll/UIScrollAreaViewport.h"

#include "graphics/paint/Painter.h"
#include "ui/core/theme/UIStyleValues.h"

namespace {

const UIStyleField<UIScrollAreaViewport::Style> kFields[] = {
    {u"background",
     [](UIScrollAreaViewport::Style& s, const String& v) { s.background = parseStyleBrush(v); }},
};

} // namespace

UIScrollAreaViewport::UIScrollAreaViewport(UIWidget* parent) : UIWidget(parent)
{
    setFlag(kTransparent, false);
    setSizePolicy(UISizePolicy::kPreferred, UISizePolicy::kPreferred);
    setStyleName(String(u"UIScrollAreaViewport"));
}

UIStyleNames UIScrollAreaViewport::styleNames()
{
    return UIStyleNames{String(u"UIScrollAreaViewport"), styleFieldNames(kFields), {}};
}

void UIScrollAreaViewport::setStyleProperty(const String& name, const String& value)
{
    applyStyleField(kFields, m_style, name, value);
}

void UIScrollAreaViewport::paint(UIEvent*)
{
    Painter painter(paintTarget());
    draw(painter);
}

void UIScrollAreaViewport::draw(Painter& painter) const
{
    if (m_style.background.isVisible())
        painter.fillRect(rect(), m_style.background);
}
