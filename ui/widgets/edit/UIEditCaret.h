#pragma once

#include "foundation/geometry/Rect.h"

class Painter;
class UITextDocument;
class UIWidget;

// The blinking caret of the text widgets: the document's caret rectangle,
// inverted on the screen at every blink and drawn inverted by the paint.
class UIEditCaret
{
public:
    static constexpr int kTimerId = 100002;

    // The caret rectangle limited to the widget shrunk by one pixel a side.
    static Rect visibleRect(const UIWidget& widget, const UITextDocument& document);
    // Whether the caret belongs on the screen: the widget shown, editable,
    // enabled and focused, no key held on it and no composition open.
    static bool mayShow(const UIWidget& widget, bool editable);

    bool isShown() const { return m_shown; }
    void start(UIWidget& widget);
    void stop(UIWidget& widget);
    // One blink: shows or hides the caret where it may show, and takes it
    // away where it may not.
    void blink(UIWidget& widget, const UITextDocument& document, bool mayShow);
    // Called by the paint, which has just covered the caret: draws it again
    // when show says so.
    void paint(Painter& painter, const UIWidget& widget, const UITextDocument& document, bool show);

private:
    bool m_shown = false;
};
