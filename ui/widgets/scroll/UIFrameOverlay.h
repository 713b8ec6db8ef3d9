#pragma once

#include "foundation/geometry/Rect.h"
#include "graphics/color/Color.h"
#include "ui/core/widget/UIPaintEffect.h"

#include <vector>

class PaintTarget;
class UIWidget;

// A one-pixel frame drawn over a widget and everything its children painted
// (a list's frame that encloses its scroll bars too).
class UIFrameOverlay : public UIPaintEffect
{
public:
    static constexpr int kId = 1;

    explicit UIFrameOverlay(const UIWidget* owner) : UIPaintEffect(kId), m_owner(owner) {}

    void setColor(const Color& color) { m_color = color; }
    const Color& color() const { return m_color; }
    // Draws the edge of the owner's rectangle, in window coordinates, where
    // it lies in rect and on the target; an invisible colour draws nothing.
    void apply(PaintTarget* target, const Rect& rect) override;

private:
    // The four one-pixel sides of frame, each cut to area.
    static std::vector<Rect> edges(const Rect& frame, const Rect& area);

    const UIWidget* m_owner;
    Color m_color = Color(0u);
};
