#include "ui/widgets/menus/UIMenuBarItem.h"

#include "ui/widgets/menus/UIMenuBar.h"

void UIMenuBarItem::setText(const String& text)
{
    if (text == UIItem::text())
        return;
    UIItem::setText(text);
    if (m_bar)
        m_bar->update();
}
