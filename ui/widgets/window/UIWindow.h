#pragma once

#include "graphics/paint/Brush.h"
#include "ui/core/widget/UIWidget.h"
#include "ui/widgets/UIStyleNames.h"

class Painter;

// The skinned top-level window: a background, a one-pixel border when the
// skin gives it a colour, children top to bottom, and a dimming overlay.
class UIWindow : public UIWidget
{
public:
    struct Style
    {
        Brush background;
        Color borderColor = Color(0x00FFFFFFu);
        // How strongly a blocked window is dimmed, as the alpha of black.
        int dimAlpha = 150;
    };

    // The colour that dims this window: black at the skin's alpha.
    Color dimColor() const;

    UIWindow(UIWidget* parent, uint32_t windowFlags);

    static UIStyleNames styleNames();

    void setStyleProperty(const String& name, const String& value) override;
    // Shown, a window is sized and placed first; a modal one returns when
    // its modal run has ended.
    void setVisible(bool visible) override;
    // No repaint is asked for: windows are set up before they are shown.
    void setBackground(const Brush& brush) { m_style.background = brush; }
    void setBorderColor(const Color& color) { m_style.borderColor = color; }
    const Style& style() const { return m_style; }

    // On adds one more overlay (two calls, two overlays); off removes them
    // all. The caller repaints.
    void setDimmed(bool on);
    bool isDimmed() const;

    void draw(Painter& painter) const;

protected:
    void paint(UIEvent* event) override;

private:
    Style m_style;
};
