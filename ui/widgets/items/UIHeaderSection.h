#pragma once

#include "foundation/geometry/Rect.h"
#include "foundation/text/String.h"
#include "ui/core/widget/UIItem.h"

// One column heading: a title, a width that never drops below its minimum,
// a visibility and the sort state the table gives it. Its rectangles are
// those of the header's last layout.
class UIHeaderSection : public UIItem
{
public:
    UIHeaderSection() = default;
    explicit UIHeaderSection(const String& text) { setText(text); }

    void setToolTip(const String& text) { m_toolTip = text; }
    const String& toolTip() const { return m_toolTip; }
    bool isVisible() const { return m_visible; }
    // Hiding empties both rectangles.
    void setVisible(bool on);
    const Rect& rect() const { return m_rect; }
    void setRect(const Rect& rect) { m_rect = rect; }
    int width() const { return m_width; }
    // At least the minimum width, when that is above 0.
    void setWidth(int width);
    int minimumWidth() const { return m_minimumWidth; }
    // Raises the width to the new minimum.
    void setMinimumWidth(int width);
    void setResizeMinimum(int width) { m_resizeMinimum = width; }
    int resizeMinimum() const { return m_resizeMinimum; }
    void setResizable(bool on) { m_resizable = on; }
    bool isResizable() const { return m_resizable; }
    void setSortOrder(int order) { m_sortOrder = order; }
    int sortOrder() const { return m_sortOrder; }
    void setSortType(int type) { m_sortType = type; }
    int sortType() const { return m_sortType; }
    void setAlignment(int alignment) { m_alignment = alignment; }
    int alignment() const { return m_alignment; }
    const Rect& textRect() const { return m_textRect; }
    bool isElided() const { return m_elided; }
    void setDrawnText(const Rect& rect, bool elided)
    {
        m_textRect = rect;
        m_elided = elided;
    }

private:
    String m_toolTip;
    bool m_visible = true;
    Rect m_rect;
    int m_width = 40;
    int m_minimumWidth = 40;
    int m_resizeMinimum = 0;
    int m_sortOrder = 0;
    int m_sortType = 0;
    int m_alignment = 48;
    bool m_resizable = true;
    Rect m_textRect;
    bool m_elided = false;
};
