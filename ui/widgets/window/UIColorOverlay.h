#pragma once

#include "foundation/geometry/Rect.h"
#include "graphics/color/Color.h"
#include "ui/core/widget/UIPaintEffect.h"

class PaintTarget;

// A translucent colour laid over what a window painted (the dimming of a
// window behind a dialog).
class UIColorOverlay : public UIPaintEffect
{
public:
    static constexpr int kId = 0;

    explicit UIColorOverlay(const Color& color) : UIPaintEffect(kId), m_color(color) {}

    const Color& color() const { return m_color; }
    // Composes the colour over every pixel of the rectangle that lies on the
    // target, each taken as opaque whatever its alpha byte; an invisible
    // colour, a target without 32-bit pixels or a rectangle off the target
    // changes nothing.
    void apply(PaintTarget* target, const Rect& rect) override;

private:
    Color m_color;
};
