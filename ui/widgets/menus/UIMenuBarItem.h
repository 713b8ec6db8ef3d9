#pragma once

#include "foundation/geometry/Rect.h"
#include "ui/core/widget/UIItem.h"

class UIMenu;
class UIMenuBar;

// One text of a menu bar and the menu it drops down. The menu is not owned:
// whoever made it deletes it (making it a child of the bar does).
class UIMenuBarItem : public UIItem
{
public:
    UIMenuBarItem() = default;

    void setBar(UIMenuBar* bar) { m_bar = bar; }
    UIMenuBar* bar() const { return m_bar; }
    void setMenu(UIMenu* menu) { m_menu = menu; }
    UIMenu* menu() const { return m_menu; }
    // Repaints the bar when the text differs.
    void setText(const String& text);
    void setRect(const Rect& rect) { m_rect = rect; }
    const Rect& rect() const { return m_rect; }
    void setEnabled(bool on) { m_enabled = on; }
    bool isEnabled() const { return m_enabled; }
    void setVisible(bool on) { m_visible = on; }
    bool isVisible() const { return m_visible; }

private:
    UIMenuBar* m_bar = nullptr;
    UIMenu* m_menu = nullptr;
    Rect m_rect;
    bool m_enabled = true;
    bool m_visible = true;
};
