#pragma once

#include "ui/core/theme/UISkinImage.h"
#include "ui/core/widget/UIWidget.h"
#include "ui/widgets/UIStyleNames.h"

class Painter;

// The small square in a window's bottom-right corner that resizes the window
// by dragging. It is neither drawn nor active while the window is maximised.
class UISizeGrip : public UIWidget
{
public:
    static constexpr int kMinimumSide = 10;
    static constexpr int kResizeCursor = 12;

    explicit UISizeGrip(UIWidget* parent);

    static UIStyleNames styleNames();

    void setMoveThreshold(int pixels) { m_moveThreshold = pixels; }
    int moveThreshold() const { return m_moveThreshold; }
    bool isSuppressed() const { return m_suppressed; }
    bool isDragging() const { return m_dragging; }
    // Follows the window's state: maximised windows get no grip.
    void checkState();
    void draw(Painter& painter) const;

    Size sizeHint() const override;
    void setStyleProperty(const String& name, const String& value) override;
    void setSkinImage(const UISkinImage& image, const String& name) override;

protected:
    void paint(UIEvent* event) override;
    void mousePressEvent(UIEvent* event) override;
    void mouseReleaseEvent(UIEvent* event) override;
    void mouseMoveEvent(UIEvent* event) override;

private:
    Size m_size = Size(0, 0);
    UISkinImage m_background;
    bool m_dragging = false;
    Point m_lastCursorPos;
    Point m_grabOffset;
    int m_moveThreshold = 2;
    bool m_suppressed = false;
};
