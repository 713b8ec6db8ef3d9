#pragma once

#include "foundation/geometry/Point.h"
#include "ui/core/theme/UISkinImage.h"
#include "ui/core/widget/UIWidget.h"
#include "ui/widgets/UIStyleNames.h"

class Painter;
class UISplitter;

// The bar between two panels of a splitter. Dragging it moves stretch from
// one neighbour to the other; when a neighbour is at its limit the cursor
// shows the only direction left.
class UISplitterSeparator : public UIWidget
{
public:
    enum Skin
    {
        kHorizontalBackground,
        kVerticalBackground,
        kGripper,
        kSkinCount
    };
    // Cursor shapes.
    static constexpr int kSplitTopBottom = 17;
    static constexpr int kSplitLeftRight = 18;
    static constexpr int kSplitLeft = 19;
    static constexpr int kSplitRight = 20;
    static constexpr int kSplitTop = 21;
    static constexpr int kSplitBottom = 22;

    UISplitterSeparator(int index, bool acrossColumns, UISplitter* splitter);

    static UIStyleNames styleNames();

    // True when the panels stand side by side: the separator is then a
    // vertical bar dragged left and right.
    void setAcrossColumns(bool on);
    bool acrossColumns() const { return m_acrossColumns; }
    void setThickness(int thickness) { m_style.thickness = thickness; }
    int thickness() const { return m_style.thickness; }
    int index() const { return m_index; }
    void setIndex(int index) { m_index = index; }
    bool isDragging() const { return m_dragging; }
    // The cursor a drag that could not move shows for a pointer at along
    // (separator coordinates, along the drag axis).
    int blockedCursor(int along) const;

    Size sizeHint() const override;
    void setStyleProperty(const String& name, const String& value) override;
    void setSkinImage(const UISkinImage& image, const String& name) override;
    // The widget's own look over its rectangle.
    void draw(Painter& painter) const;

    struct Style
    {
        int thickness = 8;
    };

protected:
    void paint(UIEvent* event) override;
    void mousePressEvent(UIEvent* event) override;
    void mouseReleaseEvent(UIEvent* event) override;
    void mouseMoveEvent(UIEvent* event) override;

private:
    int along(const Point& point) const { return m_acrossColumns ? point.x : point.y; }
    int plainCursor() const { return m_acrossColumns ? kSplitLeftRight : kSplitTopBottom; }

    Style m_style;
    UISkinImage m_skins[kSkinCount];
    UISplitter* m_splitter;
    int m_index;
    bool m_acrossColumns = true;
    int m_grabOffset = 0;
    bool m_dragging = false;
    int m_lastPosition = 0;
    Point m_lastPointer;
};
