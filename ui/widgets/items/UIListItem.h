#pragma once

#include "foundation/geometry/Rect.h"
#include "foundation/text/String.h"
#include "graphics/image/Image.h"
#include "graphics/paint/Brush.h"
#include "graphics/paint/FontDesc.h"
#include "graphics/paint/Pen.h"
#include "ui/core/widget/UIItem.h"

class UIList;

// One entry of a list: a row in list mode, a cell with an icon and two lines
// of text in icon mode. The list shows this item's own text, never the base
// item's. Its rectangles and on-screen state are those of the list's last
// paint; none of the setters repaints.
class UIListItem : public UIItem
{
public:
    UIListItem() = default;
    UIListItem(const String& text, const String& detailedText, const Image& icon);
    // Items come from a pool: a list of a whole collection makes them by
    // the hundred thousand, and one allocation each weighed on its fill.
    static void* operator new(size_t size);
    static void operator delete(void* block, size_t size);

    void setText(const String& text) { m_text = text; }
    const String& text() const { return m_text; }
    void setDetailedText(const String& text) { m_detailedText = text; }
    const String& detailedText() const { return m_detailedText; }
    void setToolTip(const String& text) { m_toolTip = text; }
    const String& toolTip() const { return m_toolTip; }
    void setIcon(const Image& icon) { m_icon = icon; }
    const Image& icon() const { return m_icon; }
    const Rect& iconRect() const { return m_iconRect; }
    void setFont(const FontDesc& font) { m_font = font; }
    const FontDesc& font() const { return m_font; }
    void setForeground(const Pen& pen) { m_foreground = pen; }
    const Pen& foreground() const { return m_foreground; }
    void setBackground(const Brush& brush) { m_background = brush; }
    const Brush& background() const { return m_background; }
    void setAlignment(int alignment) { m_alignment = alignment; }
    int alignment() const { return m_alignment; }
    void setElideMode(int mode) { m_elideMode = mode; }
    int elideMode() const { return m_elideMode; }
    void setEnabled(bool on) { m_enabled = on; }
    bool isEnabled() const { return m_enabled; }

    bool isVisible() const { return m_visible; }
    // Hiding empties the rectangle and drops the selected mark; either way
    // the owning list reports its new visible count.
    void setVisible(bool on);
    void show() { setVisible(true); }
    void hide() { setVisible(false); }
    // The owning list keeps count of its selected items from these.
    void setSelected(bool on);
    void select() { setSelected(true); }
    void deselect() { setSelected(false); }
    bool isSelected() const { return m_selected; }

    // Where the last paint put the item; empty before it or while hidden.
    Rect rect() const;
    bool isElided() const { return m_elided; }
    bool isShown() const;

    UIList* list() const { return m_list; }

private:
    friend class UIList;
    template <typename> friend class UIItemArray;

    UIList* m_list = nullptr;
    // The item's place in its list, kept by the list so that indexOf and the
    // current index cost nothing however long the list is.
    int m_index = -1;
    FontDesc m_font;
    Pen m_foreground;
    Brush m_background;
    Image m_icon;
    Rect m_iconRect;
    int m_elideMode = 3;
    int m_alignment = Rect::kAlignLeft | Rect::kAlignVCenter;
    String m_text;
    String m_detailedText;
    String m_toolTip;
    bool m_visible = true;
    bool m_selected = false;
    bool m_enabled = true;
    bool m_elided = false;
};
