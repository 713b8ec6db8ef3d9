#pragma once

#include "graphics/paint/Brush.h"
#include "ui/core/widget/UIWidget.h"
#include "ui/widgets/UIStyleNames.h"

class Painter;

// A container that fills itself with its background brush when the brush
// can be seen; otherwise its parent shows through.
class UIBox : public UIWidget
{
public:
    explicit UIBox(UIWidget* parent);

    static UIStyleNames styleNames();

    void setStyleProperty(const String& name, const String& value) override;
    // No repaint is asked for: boxes are set up before they are shown.
    void setBackground(const Brush& brush) { m_style.background = brush; }
    const Brush& background() const { return m_style.background; }

    void draw(Painter& painter) const;

    struct Style
    {
        Brush background;
    };

protected:
    void paint(UIEvent* event) override;

private:
    Style m_style;
};
