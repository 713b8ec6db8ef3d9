#pragma once

#include "foundation/geometry/Point.h"
#include "graphics/paint/Brush.h"
#include "ui/core/theme/UICursor.h"
#include "ui/core/widget/UIWidget.h"
#include "ui/widgets/UIStyleNames.h"
#include "ui/widgets/scroll/UIScrollAreaLayout.h"

class Painter;
class UIScrollAreaCorner;
class UIScrollAreaViewport;
class UIFrameOverlay;
class UIScrollBar;

// Shows one content widget through a viewport and scrolls it with two bars.
// The content is never moved: it stays exactly as large as the viewport and
// its scroll offset is minus the bars' values, so it paints and hit-tests
// what lies under the viewport itself. The area places its children only in
// its own layout pass; the grid stays off for it.
class UIScrollArea : public UIWidget
{
public:
    explicit UIScrollArea(UIWidget* parent);
    ~UIScrollArea() override;

    static UIStyleNames styleNames();
    // The area whose viewport shows content; null for a widget not shown
    // through one.
    static UIScrollArea* showing(const UIWidget* content);

    // Owns the widget, deletes the one it had, and lays out; null empties
    // the area.
    virtual void setContentWidget(UIWidget* widget);
    // The tree's relayout, then the area's own pass, so that a relayout
    // asked through any widget pointer (showing the area, updates coming
    // back on) also places the bars and the content.
    bool relayout() override;
    // The area's own pass: bars, viewport, content and page steps. Runs at
    // most two deep (a content that changes its hint when resized gets one
    // more pass) and only while there is a visible content widget.
    virtual void relayoutContent();
    virtual Size viewportSize() const;
    // Sets the content's offset from both bars; the arguments only say which
    // bar moved.
    virtual void scrollContent(int horizontal, int vertical);

    UIWidget* contentWidget() const { return m_content; }
    UIScrollAreaViewport* viewport() const { return m_viewport; }
    UIScrollBar* horizontalScrollBar() const { return m_horizontalBar; }
    UIScrollBar* verticalScrollBar() const { return m_verticalBar; }
    UIScrollAreaCorner* corner() const { return m_corner; }
    // The content size the layout pass works with: the content's second
    // size hint, or its effective hint when it gives none.
    Size contentSize() const;

    void setHorizontalPolicy(int policy);
    int horizontalPolicy() const { return m_horizontalPolicy; }
    void setVerticalPolicy(int policy);
    int verticalPolicy() const { return m_verticalPolicy; }
    void setScrollBarsEnabled(bool on);
    bool scrollBarsEnabled() const { return m_scrollBarsEnabled; }
    void setDragScrollEnabled(bool on) { m_dragScrollEnabled = on; }
    bool dragScrollEnabled() const { return m_dragScrollEnabled; }
    void setPanCursor(const UICursor& cursor) { m_panCursor = cursor; }
    const UICursor& panCursor() const { return m_panCursor; }
    void setViewportBackground(const Brush& brush);
    void setCornerBackground(const Brush& brush);
    void setBackground(const Brush& brush) { m_style.background = brush; }
    const Brush& background() const { return m_style.background; }

    void scrollToTop();
    void scrollToBottom();
    void scrollToLeft();
    void scrollToRight();
    void scrollUp();
    void scrollDown();
    void scrollLeft();
    void scrollRight();
    void pageUp();
    void pageDown();
    void scrollToVerticalStep(int step);
    void scrollToHorizontalStep(int step);
    void setVerticalValue(int value);
    void setHorizontalValue(int value);
    void setVerticalStep(int step);
    int verticalStep() const;
    void setHorizontalStep(int step);
    int horizontalStep() const;

    // The wheel as the area handles it; subclasses connect their content's
    // wheel signal here.
    void handleWheel(UIEvent* event);

    Size sizeHint() const override;
    void setStyleProperty(const String& name, const String& value) override;
    // The widget's own look over its rectangle.
    void draw(Painter& painter) const;

    struct Style
    {
        Brush background;
        // Framed around the bars too, over whatever they and the content paint.
        Color borderColor = Color(0u);
    };

protected:
    void paint(UIEvent* event) override;
    void resizeEvent(UIEvent* event) override;
    void wheelEvent(UIEvent* event) override;

private:
    void onVerticalValue(int value);
    void onHorizontalValue(int value);
    void repaintContent(UIEvent* event);
    void focusContent(UIEvent* event);
    void onContentPress(UIEvent* event);
    void onContentMove(UIEvent* event);
    void onContentRelease(UIEvent* event);
    void applyLayout(const UIScrollAreaLayout& layout, const Size& content);
    void updatePageSteps();

    Style m_style;
    UIScrollBar* m_horizontalBar = nullptr;
    UIScrollBar* m_verticalBar = nullptr;
    UIScrollAreaCorner* m_corner = nullptr;
    UIScrollAreaViewport* m_viewport = nullptr;
    UIWidget* m_content = nullptr;
    // Owned by the widget's effects.
    UIFrameOverlay* m_frame = nullptr;
    int m_horizontalPolicy = UIScrollAreaLayout::kWhenNeeded;
    int m_verticalPolicy = UIScrollAreaLayout::kWhenNeeded;
    bool m_scrollBarsEnabled = true;
    bool m_dragScrollEnabled = false;
    UICursor m_panCursor = UICursor(6);
    Point m_lastPanPosition;
    UICursor m_savedCursor;
    int m_layoutDepth = 0;
};
