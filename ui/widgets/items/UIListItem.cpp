#include "ui/widgets/items/UIListItem.h"

#include "ui/widgets/items/UIList.h"

UIListItem::UIListItem(const String& text, const String& detailedText, const Image& icon)
    : m_icon(icon), m_text(text), m_detailedText(detailedText)
{
}

void UIListItem::setVisible(bool on)
{
    if (on == m_visible)
        return;
    if (!on) {
        setSelected(false);
        m_iconRect = Rect();
    }
    m_visible = on;
    if (m_list)
        m_list->itemVisibilityChanged(this);
}

void UIListItem::setSelected(bool on)
{
    if (on == m_selected)
        return;
    m_selected = on;
    if (m_list)
        m_list->m_selectedCount += on ? 1 : -1;
}

Rect UIListItem::rect() const
{
    return m_list ? m_list->itemRect(m_index) : Rect();
}

bool UIListItem::isShown() const
{
    return m_list && m_visible && m_list->geometry().isOnScreen(rect());
}
