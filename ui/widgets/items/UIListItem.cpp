#include "ui/widgets/items/UIListItem.h"

#include "ui/widgets/items/UIItemPool.h"
#include "ui/widgets/items/UIList.h"

namespace {

// Never destroyed, so that an item outliving the program's statics still
// has its pool.
UIItemPool& itemPool()
{
    static UIItemPool* pool = new UIItemPool(sizeof(UIListItem));
    return *pool;
}

} // namespace

void* UIListItem::operator new(size_t size)
{
    return itemPool().allocate(size);
}

void UIListItem::operator delete(void* block, size_t size)
{
    itemPool().deallocate(block, size);
}

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
