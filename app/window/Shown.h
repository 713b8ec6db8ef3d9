#pragma once

// Shows the widget just made and hands it back, so that building a window
// reads as one line a widget.
template <class W> W* shown(W* widget)
{
    widget->show();
    return widget;
}
