#pragma once

#include "graphics/paint/Brush.h"
#include "ui/core/widget/UIWidget.h"
#include "ui/widgets/UIStyleNames.h"

class Painter;

// A plain filled widget: the square where a scroll area's two bars meet. It paints only once its brush is
// visible.
class UIScrollAreaCorner : public UIWidget
{
public:
    explicit UIScrollAreaCorner(UIWidget* parent);

    static UIStyleNames styleNames();

    void setBackground(const Brush& brush) { m_style.background = brush; }
    const Brush& background() const { return m_style.background; }

    void setStyleProperty(const String& name, const String& value) override;
    // The widget's own look over its rectangle.
    void draw(Painter& painter) const;

    struct Style
    {
        Brush background = Brush(Color(0x00FFFFFFu), 0);
    };

protected:
    void paint(UIEvent* event) override;

private:
    Style m_style;
};
