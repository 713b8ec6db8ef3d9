#include "ui/widgets/UIScrollAreaCorner.h"

#include "graphics/paint/Painter.h"
#include "ui/core/theme/UIStyleValues.h"

namespace {

const char16_t* const kPropertyNames[] = {u"background"};

} // namespace

UIScrollAreaCorner::UIScrollAreaCorner(UIWidget* parent) : UIWidget(parent)
{
    setFlag(kTransparent, false);
    setSizePolicy(UISizePolicy::kPreferred, UISizePolicy::kPreferred);
    setStyleName(String(u"UIScrollAreaCorner"));
}

UIStyleNames UIScrollAreaCorner::propertyNames()
{
    return styleNamesOf(kPropertyNames);
}

void UIScrollAreaCorner::setStyleProperty(const String& name, const String& value)
{
    if (propertyNames().indexOf(name) == 0)
        m_background = parseStyleBrush(value);
}

void UIScrollAreaCorner::paintWith(Painter& painter)
{
    if (m_background.isVisible())
        painter.fillRect(rect(), m_background);
}
