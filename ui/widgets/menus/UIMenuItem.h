#pragma once

#include "foundation/geometry/Rect.h"
#include "foundation/signals/Signal.h"
#include "foundation/system/KeyShortcut.h"
#include "foundation/text/String.h"
#include "graphics/image/ImageSet.h"
#include "ui/core/widget/UIItem.h"

class UIMenu;

// One entry of a menu: a text, an image or both, with an optional icon,
// shortcut text, check or radio mark and sub-menu. It is no widget: its menu
// draws it and repaints when a visible property changes.
class UIMenuItem : public UIItem
{
public:
    // Kinds of content.
    static constexpr int kText = 0;
    static constexpr int kImage = 1;
    static constexpr int kImageAndText = 2;
    // Check types.
    static constexpr int kCheckMark = 0;
    static constexpr int kRadioMark = 1;

    UIMenuItem() = default;
    // Deletes the sub-menu with the item.
    ~UIMenuItem() override;
    UIMenuItem(const UIMenuItem&) = delete;
    UIMenuItem& operator=(const UIMenuItem&) = delete;

    void setMenu(UIMenu* menu) { m_menu = menu; }
    UIMenu* menu() const { return m_menu; }

    void setKind(int kind) { m_kind = kind; }
    int kind() const { return m_kind; }
    // Repaints only when the text differs.
    void setText(const String& text);
    void setImage(const ImageSet& image);
    const ImageSet& image() const { return m_image; }
    void setIcon(const ImageSet& icon);
    const ImageSet& icon() const { return m_icon; }
    // Keeps the shortcut's text form, the key names joined by "+", with it.
    void setShortcut(const KeyShortcut& shortcut);
    const KeyShortcut& shortcut() const { return m_shortcut; }
    const String& shortcutText() const { return m_shortcutText; }
    void setShortcutVisible(bool on);
    bool isShortcutVisible() const { return m_shortcutVisible; }
    // A mark the owner may keep on an item; the menu does not read it.
    void setUserFlag(bool on) { m_userFlag = on; }
    bool userFlag() const { return m_userFlag; }

    void setCheckable(bool on);
    bool isCheckable() const { return m_checkable; }
    // Only an enabled, checkable item changes. A radio item cannot be
    // unchecked this way; checking one unchecks the radio items adjacent to
    // it in its menu (its group).
    void setChecked(bool on);
    void check() { setChecked(true); }
    void uncheck() { setChecked(false); }
    bool isChecked() const { return m_checked; }
    void setCheckType(int type);
    int checkType() const { return m_checkType; }
    bool isRadio() const { return m_checkable && m_checkType == kRadioMark; }

    void setSeparator(bool on) { m_separator = on; }
    bool isSeparator() const { return m_separator; }

    // Owned from now on; the menu in place before is deleted. The sub-menu
    // becomes a child of this item's menu, which it needs to find its way
    // back.
    void setSubMenu(UIMenu* subMenu);
    UIMenu* subMenu() const { return m_subMenu; }
    // Forgets the sub-menu without deleting it.
    UIMenu* takeSubMenu();

    // False also for an item whose sub-menu has no items.
    bool isEnabled() const;
    bool enabledFlag() const { return m_enabled; }
    void setEnabled(bool on);
    void enable() { setEnabled(true); }
    void disable() { setEnabled(false); }
    // Hiding also forgets where the item was drawn.
    void setVisible(bool on);
    void show() { m_visible = true; }
    void hide() { setVisible(false); }
    bool isVisible() const { return m_visible; }

    void setRect(const Rect& rect) { m_rect = rect; }
    const Rect& rect() const { return m_rect; }

    Signal triggered;

private:
    void repaintMenu();

    UIMenu* m_menu = nullptr;
    UIMenu* m_subMenu = nullptr;
    int m_kind = kText;
    ImageSet m_image;
    ImageSet m_icon;
    KeyShortcut m_shortcut;
    String m_shortcutText;
    bool m_checkable = false;
    bool m_checked = false;
    bool m_shortcutVisible = true;
    bool m_userFlag = true;
    int m_checkType = kCheckMark;
    bool m_separator = false;
    Rect m_rect;
    bool m_enabled = true;
    bool m_visible = true;
};
