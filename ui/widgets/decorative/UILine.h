#pragma once

#include "ui/core/theme/UISkinImage.h"
#include "ui/core/widget/UIWidget.h"
#include "ui/widgets/UIStyleNames.h"

class Painter;

// A separator drawn from the skin: 2 by 2 until laid out, then as wide as its
// row gives it.
class UILine : public UIWidget
{
public:
    explicit UILine(UIWidget* parent);

    static UIStyleNames styleNames();

    Size sizeHint() const override { return Size(2, 2); }
    void setSkinImage(const UISkinImage& image, const String& name) override;
    const UISkinImage& background() const { return m_background; }

    // The widget's own look over its rectangle.
    void draw(Painter& painter) const;

protected:
    void paint(UIEvent* event) override;

private:
    UISkinImage m_background;
};
