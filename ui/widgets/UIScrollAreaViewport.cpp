#include "ui/widgets/UIScrollAreaViewport.h"

#include "graphics/paint/Painter.h"
#include "ui/core/theme/UIStyleValues.h"

namespace {

const char16_t* const kPropertyNames[] = {u"background"};

} // namespace

UIScrollAreaViewport::UIScrollAreaViewport(UIWidget* parent) : UIWidget(parent)
{
    setFlag(kTransparent, false);
    setSizePolicy(UISizePolicy::kPreferred, UISizePolicy::kPreferred);
    setStyleName(String(u"UIScrollAreaViewport"));
}

UIStyleNames UIScrollAreaViewport::propertyNames()
{
    return styleNamesOf(kPropertyNames);
}

void UIScrollAreaViewport::setStyleProperty(const String& name, const String& value)
{
    if (propertyNames().indexOf(name) == 0)
        m_background = parseStyleBrush(value);
}

void UIScrollAreaViewport::paintWith(Painter& painter)
{
    if (m_background.isVisible())
        painter.fillRect(rect(), m_background);
}
