#pragma once

#include "foundation/geometry/Rect.h"
#include "foundation/geometry/Size.h"
#include "graphics/paint/Pen.h"
#include "ui/core/theme/UISkinImage.h"
#include "ui/widgets/UIStyleNames.h"
#include "ui/widgets/range/UIAbstractSlider.h"

#include <vector>

class Painter;

// A track with a handle and optional tick marks. Vertical sliders work as
// horizontal ones turned a quarter: the maximum is at the top.
class UISlider : public UIAbstractSlider
{
public:
    enum Skin
    {
        kHandleLeft,
        kHandleLeftAndRight,
        kHandleRight,
        kHandleTop,
        kHandleTopAndBottom,
        kHandleBottom,
        kHandle,
        kHorizontalBackground,
        kVerticalBackground,
        kVerticalThick,
        kHorizontalThick,
        kSkinCount
    };
    // Tick modes: marks on both sides, above (left of) or below (right of)
    // the track.
    static constexpr int kNoTicks = 0;
    static constexpr int kBothSides = 1;
    static constexpr int kAbove = 2;
    static constexpr int kBelow = 3;
    static constexpr int kPageRepeatTimerId = 200000;
    static constexpr uint32_t kPageRepeatInterval = 300;

    explicit UISlider(UIWidget* parent);

    static UIStyleNames styleNames();

    void setTickMode(int mode) { m_tickMode = mode; }
    int tickMode() const { return m_tickMode; }
    void setJumpToClick(bool on) { m_jumpToClick = on; }
    bool jumpToClick() const { return m_jumpToClick; }
    bool isDragging() const { return m_dragging; }

    // Snaps to the nearer multiple of the single step; ties go up.
    int valueAt(const Point& point) const override;
    // Where paint puts the handle for the current value.
    Rect handleRectForValue() const;
    const Rect& handleRect() const { return m_handleRect; }
    // The left (top) corners of the tick marks along the bar; none without
    // tick marks or for an empty range.
    std::vector<Point> tickPositions(bool farSide) const;
    // The skin frame of the current state.
    int stateFrame() const;
    // The handle skin that the tick mode picks.
    int handleSkin() const;

    Size sizeHint() const override;
    void setStyleProperty(const String& name, const String& value) override;
    void setSkinImage(const UISkinImage& image, const String& name) override;
    // The widget's own look over its rectangle; remembers where the handle
    // went.
    void draw(Painter& painter);

    struct Style
    {
        Pen tickPen;
        int tickLength = 0;
        int trackThickness = 0;
        Size handleHorizontalSize;
        Size handleVerticalSize;
    };

protected:
    void paint(UIEvent* event) override;
    void keyPressEvent(UIEvent* event) override;
    void mousePressEvent(UIEvent* event) override;
    void mouseReleaseEvent(UIEvent* event) override;
    void mouseEnterEvent(UIEvent* event) override;
    void mouseLeaveEvent(UIEvent* event) override;
    void mouseMoveEvent(UIEvent* event) override;
    void timerEvent(UIEvent* event) override;

private:
    Size handleSize() const
    {
        return isVertical() ? m_style.handleVerticalSize : m_style.handleHorizontalSize;
    }
    int axisLength() const { return isVertical() ? height() : width(); }
    // Steps toward the point unless it lies within the band around the
    // handle or the value is at its limit that way; true when it stepped.
    bool stepTowards(const Point& point);

    Style m_style;
    UISkinImage m_skins[kSkinCount];
    int m_tickMode = kNoTicks;
    Rect m_handleRect;
    bool m_dragging = false;
    bool m_jumpToClick = true;
};
