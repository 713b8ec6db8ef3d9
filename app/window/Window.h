#pragma once

#include "foundation/signals/SignalReceiver.h"
#include "foundation/text/String.h"

// The controller of one application window. It is no widget: it owns the
// toolkit window it shows, builds its widgets, and hears them only through
// signal connections, which its destruction drops.
class Window : public SignalReceiver
{
public:
    Window() = default;
    ~Window() override = default;

    // Applies the translated texts again after a change of language.
    virtual void retranslate();

    // The text in the current language, with the window's class name (or a
    // sub-context of it) as the context; the text itself when no language
    // is loaded or the program's core is not running.
    static String translate(const char16_t* text, const char16_t* context);
};
