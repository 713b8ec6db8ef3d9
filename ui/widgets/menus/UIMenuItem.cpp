#include "ui/widgets/menus/UIMenuItem.h"

#include "ui/widgets/menus/UIMenu.h"

UIMenuItem::~UIMenuItem()
{
    delete m_subMenu;
}

void UIMenuItem::repaintMenu()
{
    if (m_menu)
        m_menu->update();
}

void UIMenuItem::setText(const String& text)
{
    if (text == UIItem::text())
        return;
    UIItem::setText(text);
    repaintMenu();
}

void UIMenuItem::setImage(const ImageSet& image)
{
    m_image = image;
    repaintMenu();
}

void UIMenuItem::setIcon(const ImageSet& icon)
{
    m_icon = icon;
    repaintMenu();
}

void UIMenuItem::setShortcut(const KeyShortcut& shortcut)
{
    m_shortcut = shortcut;
    m_shortcutText = shortcut.toString(String(u"+"));
    repaintMenu();
}

void UIMenuItem::setShortcutVisible(bool on)
{
    m_shortcutVisible = on;
    repaintMenu();
}

void UIMenuItem::setCheckable(bool on)
{
    m_checkable = on;
    repaintMenu();
}

void UIMenuItem::setCheckType(int type)
{
    m_checkType = type;
    repaintMenu();
}

void UIMenuItem::setChecked(bool on)
{
    if (!m_enabled || !m_checkable || m_checked == on)
        return;
    if (m_checkType == kRadioMark && !on)
        return;
    m_checked = on;
    if (m_checked && m_checkType == kRadioMark && m_menu) {
        // A radio group is a run of adjacent radio items.
        const int index = m_menu->indexOf(this);
        for (int i = index - 1; i >= 0 && m_menu->item(i)->isRadio(); --i)
            m_menu->item(i)->m_checked = false;
        for (int i = index + 1; i < m_menu->count() && m_menu->item(i)->isRadio(); ++i)
            m_menu->item(i)->m_checked = false;
    }
    repaintMenu();
}

void UIMenuItem::setSubMenu(UIMenu* subMenu)
{
    if (subMenu == m_subMenu)
        return;
    delete m_subMenu;
    m_subMenu = subMenu;
    if (!m_subMenu)
        return;
    if (m_menu && m_subMenu->parentWidget() != m_menu)
        m_subMenu->setParent(m_menu);
    m_subMenu->setParentItem(this);
    repaintMenu();
}

UIMenu* UIMenuItem::takeSubMenu()
{
    UIMenu* taken = m_subMenu;
    m_subMenu = nullptr;
    if (taken)
        taken->setParentItem(nullptr);
    return taken;
}

bool UIMenuItem::isEnabled() const
{
    if (m_subMenu && m_subMenu->isEmpty())
        return false;
    return m_enabled;
}

void UIMenuItem::setEnabled(bool on)
{
    if (m_enabled == on)
        return;
    m_enabled = on;
    repaintMenu();
}

void UIMenuItem::setVisible(bool on)
{
    m_visible = on;
    if (!on)
        m_rect = Rect();
    repaintMenu();
}
