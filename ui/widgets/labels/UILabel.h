#pragma once

#include "graphics/paint/FontDesc.h"
#include "graphics/paint/Pen.h"
#include "ui/core/widget/UIWidget.h"
#include "ui/widgets/UIStyleNames.h"

class Painter;

// A text on one line, elided to the width, or on several lines split at line
// feeds, with a one-colour shadow. When it had to elide, its full text is its
// tool tip.
class UILabel : public UIWidget
{
public:
    struct Style
    {
        FontDesc font;
        Pen foreground;
        Pen shadowForeground;
        Point shadowOffset = Point(0, 0);
        Pen disabledForeground;
        Pen disabledShadowForeground;
    };

    explicit UILabel(UIWidget* parent);

    static UIStyleNames styleNames();

    Size sizeHint() const override;
    void setStyleProperty(const String& name, const String& value) override;
    // The tool tip set on the widget, else the whole text while the last
    // paint elided it.
    String toolTip(const Point& point) const override;

    // A new text lays the tree out again, and repaints when that moved
    // nothing; the same text does nothing.
    void setText(const String& text);
    const String& text() const { return m_text; }
    // Stored only: labels are set up before they are shown.
    void setAlignment(uint32_t alignment) { m_alignment = alignment; }
    uint32_t alignment() const { return m_alignment; }
    void setElideMode(uint32_t mode) { m_elideMode = mode; }
    uint32_t elideMode() const { return m_elideMode; }
    void setMultiLine(bool on) { m_multiLine = on; }
    bool isMultiLine() const { return m_multiLine; }
    void setFont(const FontDesc& font) { m_style.font = font; }
    void setFontSize(float points);
    FontDesc font() const override { return m_style.font; }
    void setForeground(const Color& color) { m_style.foreground = Pen(color); }
    const Style& style() const { return m_style; }
    bool isElided() const { return m_elided; }

    // Draws the text and records whether it had to be elided.
    void draw(Painter& painter);

protected:
    void paint(UIEvent* event) override;

private:
    void drawSingleLine(Painter& painter);
    void drawLines(Painter& painter) const;

    Style m_style;
    String m_text;
    uint32_t m_alignment = 17;
    bool m_multiLine = false;
    uint32_t m_elideMode = 2;
    bool m_elided = false;
};
