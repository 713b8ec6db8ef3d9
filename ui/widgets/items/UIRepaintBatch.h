#pragma once

#include "ui/core/widget/UIWidgetGuard.h"

class UIWidget;

// Holds a widget's repaints while it lives and does them once when it ends.
// Every repaint paints the whole window at once, and a step through a view
// (scroll, move the current item, select it) asks for several. Nothing is
// held when the widget's updates are already off, and a widget deleted on
// the way is noticed.
class UIRepaintBatch
{
public:
    explicit UIRepaintBatch(UIWidget* widget);
    ~UIRepaintBatch();
    UIRepaintBatch(const UIRepaintBatch&) = delete;
    UIRepaintBatch& operator=(const UIRepaintBatch&) = delete;

private:
    UIWidgetGuard m_guard;
    bool m_held;
};
