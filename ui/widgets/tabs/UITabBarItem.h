#pragma once

#include "foundation/geometry/Rect.h"
#include "foundation/text/String.h"
#include "graphics/image/ImageSet.h"
#include "ui/core/widget/UIItem.h"

class UITabBar;

// One tab of a tab bar: a text, an icon or both, a tool tip, and the states
// that decide whether it can become current. Its rectangle is where the bar
// last laid it out.
class UITabBarItem : public UIItem
{
public:
    UITabBarItem() = default;
    explicit UITabBarItem(const String& text) { setText(text); }
    UITabBarItem(const String& text, const ImageSet& icon) : m_icon(icon) { setText(text); }

    void setSelectable(bool on) { m_selectable = on; }
    bool isSelectable() const { return m_selectable; }
    // A mark the owner may keep on a tab; it can be set only while the tab
    // is selectable.
    void setFlag(bool on)
    {
        if (m_selectable)
            m_flag = on;
    }
    bool flag() const { return m_flag; }
    void setBar(UITabBar* bar) { m_bar = bar; }
    UITabBar* bar() const { return m_bar; }
    void setToolTip(const String& text) { m_toolTip = text; }
    const String& toolTip() const { return m_toolTip; }
    void setIcon(const ImageSet& icon) { m_icon = icon; }
    const ImageSet& icon() const { return m_icon; }
    void setRect(const Rect& rect) { m_rect = rect; }
    const Rect& rect() const { return m_rect; }
    void setEnabled(bool on) { m_enabled = on; }
    bool isEnabled() const { return m_enabled; }
    void setVisible(bool on) { m_visible = on; }
    bool isVisible() const { return m_visible; }

private:
    bool m_selectable = true;
    bool m_flag = false;
    UITabBar* m_bar = nullptr;
    String m_toolTip;
    ImageSet m_icon;
    Rect m_rect;
    bool m_enabled = true;
    bool m_visible = true;
};
