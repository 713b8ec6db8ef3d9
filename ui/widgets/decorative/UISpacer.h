#pragma once

#include "ui/core/widget/UIWidget.h"
#include "ui/widgets/UIStyleNames.h"

// An invisible widget of a fixed size that keeps room in a layout.
class UISpacer : public UIWidget
{
public:
    // A spacer of both sides is skipped by the search for the widget under
    // the mouse; a square one is not.
    UISpacer(int width, int height, UIWidget* parent);
    UISpacer(int size, UIWidget* parent);

    static UIStyleNames styleNames();

    Size sizeHint() const override { return Size(m_width, m_height); }

private:
    void setUp(bool mouseTransparent);

    int32_t m_width;
    int32_t m_height;
};
