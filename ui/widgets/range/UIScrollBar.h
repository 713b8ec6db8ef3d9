#pragma once

#include "foundation/geometry/Rect.h"
#include "graphics/paint/Brush.h"
#include "ui/core/theme/UISkinImage.h"
#include "ui/widgets/UIStyleNames.h"
#include "ui/widgets/range/UIAbstractSlider.h"

class Painter;

// A slider with two arrow buttons, a track and a thumb whose length shows
// the visible share of the document. Holding an arrow scrolls on every tick
// of a timer, faster the further the pointer is dragged away from it. The
// owner's ranges start at 0.
class UIScrollBar : public UIAbstractSlider
{
public:
    enum Skin
    {
        kHorizontalBackground,
        kLeftArrowBackground,
        kRightArrowBackground,
        kHorizontalThumbBackground,
        kHorizontalThumbGripper,
        kVerticalBackground,
        kTopArrowBackground,
        kBottomArrowBackground,
        kVerticalThumbBackground,
        kVerticalThumbGripper,
        kArrowLeft,
        kArrowRight,
        kArrowUp,
        kArrowDown,
        kSkinCount
    };
    static constexpr int kRepeatTimerId = 100020;
    static constexpr uint32_t kRepeatInterval = 20;

    explicit UIScrollBar(UIWidget* parent);

    static UIStyleNames styleNames();

    // Lengths below 1 are refused.
    void setDocumentLength(int length);
    int documentLength() const { return m_documentLength; }
    void setArrowStep(int step) { m_arrowStep = step; }
    int arrowStep() const { return m_arrowStep; }
    void setArrowsVisible(bool on) { m_arrowsVisible = on; }
    bool arrowsVisible() const { return m_arrowsVisible; }
    float acceleration() const { return m_acceleration; }
    int thickness() const { return m_style.thickness; }
    int thumbMinimumLength() const { return m_style.thumbMinimumLength; }
    void startAutoRepeat();
    void stopAutoRepeat();
    bool isAutoRepeating() const { return m_autoRepeating; }
    bool isDragging() const { return m_dragging; }

    // The length of each arrow button: the thickness, 0 without arrows.
    int arrowLength() const { return m_arrowsVisible ? m_style.thickness : 0; }
    int thumbLength() const;
    // Where paint puts the thumb for the current value; the previous place
    // while the maximum is below 1.
    Rect thumbRectForValue() const;
    const Rect& thumbRect() const { return m_thumbRect; }
    // 0 when the bar has no room for a track.
    int valueAt(const Point& point) const override;
    // How far one tick of a held arrow moves, given the cursor on the
    // screen.
    int repeatStep(const Point& cursor) const;
    // The skin frames of the bar and of the thumb in the current state.
    int barFrame() const;
    int thumbFrame() const;

    Size sizeHint() const override;
    void setStyleProperty(const String& name, const String& value) override;
    void setSkinImage(const UISkinImage& image, const String& name) override;
    // The widget's own look over its rectangle; remembers where the thumb
    // went.
    void draw(Painter& painter);

    struct Style
    {
        Brush background;
        int thickness = 0;
        int thumbMinimumLength = 0;
    };

protected:
    void paint(UIEvent* event) override;
    void mousePressEvent(UIEvent* event) override;
    void mouseReleaseEvent(UIEvent* event) override;
    void mouseEnterEvent(UIEvent* event) override;
    void mouseLeaveEvent(UIEvent* event) override;
    void mouseMoveEvent(UIEvent* event) override;
    void timerEvent(UIEvent* event) override;

private:
    int axisLength() const { return isVertical() ? height() : width(); }
    int along(const Point& point) const { return isVertical() ? point.y : point.x; }
    void paintArrows(Painter& painter, int frame);

    Style m_style;
    UISkinImage m_skins[kSkinCount];
    int m_documentLength = 1;
    bool m_autoRepeating = false;
    int m_dragOffset = 0;
    Rect m_repeatRect;
    bool m_repeatBackward = true;
    float m_acceleration = 0.15f;
    int m_arrowStep = 3;
    bool m_arrowsVisible = true;
    Rect m_thumbRect;
    bool m_dragging = false;
};
