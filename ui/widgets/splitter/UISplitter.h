#pragma once

#include "foundation/containers/List.h"
#include "graphics/paint/Brush.h"
#include "ui/core/widget/UIWidget.h"
#include "ui/widgets/UIStyleNames.h"

class Painter;
class UISplitterPanel;
class UISplitterSeparator;

// Divides its area into a fixed number of panels, side by side or stacked,
// with a separator between each pair. The panels share the space through the
// stretch factors of the splitter's grid: each starts with an equal share of
// 100, and dragging a separator moves stretch between its two neighbours, so
// the division survives any later resize in proportion.
class UISplitter : public UIWidget
{
public:
    UISplitter(int panelCount, bool vertical, UIWidget* parent);

    static UIStyleNames styleNames();

    void setVertical(bool vertical);
    bool isVertical() const { return m_vertical; }
    // The first for an index below 1; null past the end.
    UISplitterPanel* panel(int index) const;
    UISplitterSeparator* separator(int index) const;
    int panelCount() const { return m_panels.count(); }
    int separatorCount() const { return m_separators.count(); }
    // A brush that paints nothing leaves the splitter transparent, showing
    // what lies beneath it.
    void setBackground(const Brush& brush);
    const Brush& background() const { return m_background; }
    void reverse();
    void setSeparatorThickness(int index, int thickness);
    int separatorThickness(int index) const;
    int separatorPosition(int index) const;
    // The stretch factor of a child's row (stacked) or column.
    float stretchOf(const UIWidget* child) const;
    // Moves the separator's centre to position (splitter coordinates along
    // its axis) as far as both neighbours' size hints allow; true when the
    // stretch factors changed.
    bool moveSeparator(int index, int position);

    // The widget's own look over its rectangle.
    void draw(Painter& painter) const;

protected:
    void paint(UIEvent* event) override;

private:
    int childIndex(const UIWidget* child) const;
    float stretchAt(int line) const;
    void setStretchAt(int line, float stretch);
    int lengthOf(const UIWidget* widget) const;
    int positionOf(const UIWidget* widget) const;

    Brush m_background;
    bool m_vertical = false;
    List<UISplitterPanel*> m_panels;
    List<UISplitterSeparator*> m_separators;
};
