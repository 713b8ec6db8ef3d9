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

    static UIStyleNames propertyNames();

    void setBackground(const Brush& brush) { m_background = brush; }
    const Brush& background() const { return m_background; }

    void setStyleProperty(const String& name, const String& value) override;
    void paintWith(Painter& painter);

private:
    Brush m_background = Brush(Color(0x00FFFFFFu), 0);
};
