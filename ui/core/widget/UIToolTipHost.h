#pragma once

#include "foundation/geometry/Point.h"
#include "foundation/geometry/Rect.h"
#include "foundation/text/String.h"

class UIWidget;

// The shared tool tip as the widget core sees it; the tool tip widget
// implements it and installs itself, and without one nothing is shown.
class UIToolTipHost
{
public:
    struct Request
    {
        UIWidget* owner = nullptr;
        String text;
        Point globalPos;
        Rect globalRect;
        int delay = 0;
        int duration = 0;
        int group = 0;
        int maxLength = -1;
    };

    virtual ~UIToolTipHost() = default;

    virtual bool isShowing() const = 0;
    virtual UIWidget* owner() const = 0;
    // The text last asked for, before any cut; empty when nothing shows.
    virtual String text() const = 0;
    virtual void showText(const Request& request) = 0;
    virtual void hide() = 0;

    static UIToolTipHost* instance() { return s_instance; }
    static void install(UIToolTipHost* host) { s_instance = host; }
    // Hides the tool tip when it belongs to the widget.
    static void hideFor(const UIWidget* widget)
    {
        if (s_instance && s_instance->owner() == widget)
            s_instance->hide();
    }

private:
    static inline UIToolTipHost* s_instance = nullptr;
};
